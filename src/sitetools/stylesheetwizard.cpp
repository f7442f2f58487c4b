#include "sitetools/stylesheetwizard.h"

#include "editor/openers.h"
#include "editor/sourcewindow.h"
#include "platform/textfiles.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString assistant = QStringLiteral("Assistant: Quorl");

} // namespace

QString styleBlock(const QString &code)
{
    return QStringList{QStringLiteral("<!--Created using Quorl Vevevodi Style Sheet Creator-->"),
                       QStringLiteral("<style><!--"), code, QStringLiteral("--></style>"),
                       QStringLiteral("<!--End of Style Sheet-->")}
        .join(QStringLiteral("\r\n"));
}

QString cssFileText(const QString &code)
{
    return code + QStringLiteral("\r\n");
}

EditMessage styleSheetAtStartNotice()
{
    return {QStringLiteral("End of head tag not found. Style Sheet has been added in the "
                           "beginning of document"),
            assistant, Prompter::Icon::Information};
}

DocumentEdit styleSheetEdit(const QString &text, const QString &block)
{
    EditedText doc(text, 0);
    const qsizetype headEnd = doc.find(QLatin1String("</head>"));
    const qsizetype at = std::max<qsizetype>(headEnd, 0);
    doc.insert(at, block);
    DocumentEdit edit = doc.result();
    edit.caret = at + block.size();
    if (headEnd < 0)
        edit.message = styleSheetAtStartNotice();
    return edit;
}

StyleSheetWizard::StyleSheetWizard()
    : DialogFrame(QStringLiteral("styleSheetWiz"),
                  QStringLiteral("Style Sheet Creator Wizard: [Step 2] - Quorl Vevevodi"))
{
    compOrEdit = QStringLiteral("comp");
    resize(560, 420);
    txtCode = new QPlainTextEdit(this);
    txtCode->setObjectName(QStringLiteral("txtCode"));
    radExt = optionButton(QStringLiteral("radExt"), QStringLiteral("Create External Style Sheet"),
                          true);
    radInt = optionButton(QStringLiteral("radInt"), QStringLiteral("Use within document"));
    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("Finish"));
    CancelButton = button(QStringLiteral("CancelButton"), QStringLiteral("<< Back"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Paste the Code here"), this));
    layout->addWidget(txtCode, 1);
    layout->addWidget(radExt);
    layout->addWidget(radInt);
    addButtonRow(layout, {CancelButton, OKButton});

    connect(CancelButton, &QPushButton::clicked, this, &StyleSheetWizard::back);
    connect(OKButton, &QPushButton::clicked, this, &StyleSheetWizard::finish);
}

void StyleSheetWizard::back()
{
    if (QWidget *first = WindowDirectory::touch(QStringLiteral("styleSheet")))
        Openers::showWindow(first);
    hide();
}

void StyleSheetWizard::endTool()
{
    WindowDirectory::unload(QStringLiteral("styleSheet"));
    unload();
}

void StyleSheetWizard::closeEvent(QCloseEvent *event)
{
    WindowDirectory::unload(QStringLiteral("styleSheet"));
    DialogFrame::closeEvent(event);
}

void StyleSheetWizard::finish()
{
    if (radExt->isChecked())
        saveExternal();
    else
        useWithinDocument();
}

void StyleSheetWizard::saveExternal()
{
    ComDlg.FileName.clear();
    ComDlg.Filter = QStringLiteral("CSS Files (*.css)|*.css");
    // A cancelled save dialog leaves the rules here to save again.
    if (!ComDlg.ShowSave() || ComDlg.FileName.isEmpty())
        return;
    QString error;
    if (!TextFiles::write(ComDlg.FileName, cssFileText(txtCode->toPlainText()), &error)) {
        Prompter::tell(QStringLiteral("Unable to save the style sheet ") + ComDlg.FileName
                           + QStringLiteral("\r\n") + error,
                       assistant, Prompter::Icon::Critical);
        return;
    }
    endTool();
}

void StyleSheetWizard::useWithinDocument()
{
    const QString block = styleBlock(txtCode->toPlainText());
    txtCode->setPlainText(block);
    if (Prompter::ask(QStringLiteral("Paste code in current document?"), assistant,
                      Prompter::Icon::Question, Prompter::Buttons::YesNo)
        != Prompter::Answer::Yes) {
        Prompter::tell(QStringLiteral("The required changes have been made. The code is ready "
                                      "to be pasted in any document"),
                       assistant, Prompter::Icon::Information);
        return;
    }
    const bool composer = WholeDocument::inComposer(compOrEdit == u"comp");
    if (!WholeDocument::apply(composer, {}, [&block](const QString &text) {
            return styleSheetEdit(text, block);
        }))
        return;
    if (!composer)
        Openers::showWindow(Quorl());
    endTool();
}
