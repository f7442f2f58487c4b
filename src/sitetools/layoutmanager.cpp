#include "sitetools/layoutmanager.h"

#include "dialogs/documentedit.h"
#include "editor/openers.h"
#include "editor/sourcewindow.h"
#include "formdesigner/fragmentfile.h"
#include "platform/htmleditview.h"
#include "platform/prompter.h"
#include "platform/sourcearea.h"
#include "sitetools/layoutedithtml.h"
#include "vevevodi/composerwindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Layout Manager");
const QString kCrLf = QStringLiteral("\r\n");

// The bottom bar, the small square and the thin bar that every sample ends with.
constexpr SampleBox kTail[] = {
    {105, 8, 535, 651, 30, "outset"},
    {106, 13, 10, 40, 30, "solid"},
    {107, 13, 61, 645, 18, "groove"},
};
constexpr SampleBox kTopBar{101, 57, 10, 599, 47, "solid"};

QString entry(const SampleBox &b)
{
    const QString border = QStringLiteral("1px ") + QLatin1String(b.border);
    return QStringLiteral("<DIV id=LayoutBox ") + kCrLf
           + QStringLiteral("style=\"BORDER-RIGHT: %1; BORDER-TOP: %1; Z-INDEX: %2; LEFT: %3px; "
                            "BORDER-LEFT: %1; WIDTH: %4px; BORDER-BOTTOM: %1; "
                            "POSITION: absolute; TOP: %5px; HEIGHT: %6px; "
                            "BACKGROUND-COLOR: #efefef\">New ")
                 .arg(border)
                 .arg(b.zIndex)
                 .arg(b.left)
                 .arg(b.width)
                 .arg(b.top)
                 .arg(b.height)
           + kCrLf + QStringLiteral("Layout Box</DIV>") + kCrLf;
}

// A small picture of a sample, drawn from its boxes.
QPixmap thumbnail(int sample)
{
    constexpr double scale = 0.1;
    QPixmap picture(70, 58);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.setBrush(QColor(0xef, 0xef, 0xef));
    for (const SampleBox &b : LayoutManager::sampleBoxes(sample))
        painter.drawRect(QRectF(b.left * scale, b.top * scale, b.width * scale,
                                b.height * scale));
    return picture;
}

} // namespace

LayoutManager *LManager()
{
    return WindowDirectory::touch<LayoutManager>(QStringLiteral("LManager"));
}

QList<SampleBox> LayoutManager::sampleBoxes(int sample)
{
    QList<SampleBox> boxes;
    switch (sample) {
    case 1:
        boxes = {kTopBar, {103, 11, 84, 128, 444, "dotted"}, {104, 142, 84, 517, 444, "ridge"}};
        break;
    case 2:
        boxes = {kTopBar, {103, 532, 84, 128, 444, "dotted"}, {104, 11, 84, 517, 444, "ridge"}};
        break;
    case 3:
        boxes = {kTopBar, {103, 532, 84, 128, 444, "dotted"}, {104, 145, 84, 382, 444, "ridge"}};
        break;
    case 4:
        boxes = {kTopBar, {104, 15, 84, 642, 444, "ridge"}};
        break;
    default:
        return boxes;
    }
    for (const SampleBox &b : kTail)
        boxes.append(b);
    if (sample == 3)
        boxes.append({103, 12, 84, 128, 444, "dotted"});
    return boxes;
}

QString LayoutManager::sampleText(int sample)
{
    const QList<SampleBox> boxes = sampleBoxes(sample);
    if (boxes.isEmpty())
        return QString();
    QString text = kCrLf;
    for (const SampleBox &b : boxes)
        text += entry(b);
    if (sample == 3)
        text += QStringLiteral("<P>&nbsp;</P>") + kCrLf;
    return text;
}

LayoutManager::LayoutManager()
    : DialogFrame(QStringLiteral("LManager"), QStringLiteral("Layout Manager: Quorl Vevevodi"))
{
    setWindowFlags(Qt::Window);
    resize(860, 760);

    Result = new HtmlEditView(this);
    Result->setObjectName(QStringLiteral("Result"));
    Result->setAbsoluteDropMode(true);
    tagbar = new HtmlEditView(this);
    tagbar->setObjectName(QStringLiteral("tagbar"));
    tagbar->setStagingMode(true);
    tagbar->setFixedSize(150, 72);

    toolbar = new QGroupBox(this);
    toolbar->setObjectName(QStringLiteral("toolbar"));
    auto *pictures = new QHBoxLayout(toolbar);
    for (int i = 0; i <= 4; ++i) {
        auto *picture = new QToolButton(toolbar);
        picture->setObjectName(QStringLiteral("PicType%1").arg(i));
        picture->setFixedSize(78, 66);
        if (i == 0) {
            picture->setToolTip(QStringLiteral("Blank"));
        } else {
            picture->setIcon(thumbnail(i));
            picture->setIconSize(QSize(70, 58));
        }
        connect(picture, &QToolButton::clicked, this, [this, i] { chooseSample(i); });
        pictures->addWidget(picture);
        PicType.append(picture);
    }
    pictures->addStretch();

    btnAddNew = button(QStringLiteral("btnAddNew"), QStringLiteral("Add New Box"));
    btnLoadLayout = button(QStringLiteral("btnLoadLayout"), QStringLiteral("Load Layout"));
    btnSaveLayout = button(QStringLiteral("btnSaveLayout"), QStringLiteral("Save Layout"));
    btnEditHTML = button(QStringLiteral("btnEditHTML"), QStringLiteral("Edit HTML"));
    btnUseLayout = button(QStringLiteral("btnUseLayout"), QStringLiteral("Use Layout"));
    btnHelp = button(QStringLiteral("btnHelp"), QStringLiteral("Help"));
    connect(btnAddNew, &QPushButton::clicked, this, &LayoutManager::AddNewBox);
    connect(btnLoadLayout, &QPushButton::clicked, this, &LayoutManager::LoadLayout);
    connect(btnSaveLayout, &QPushButton::clicked, this, &LayoutManager::SaveLayout);
    connect(btnEditHTML, &QPushButton::clicked, this, &LayoutManager::EditHTML);
    connect(btnUseLayout, &QPushButton::clicked, this, &LayoutManager::UseLayout);
    connect(btnHelp, &QPushButton::clicked, this, &LayoutManager::Help);

    auto *buttons = new QGridLayout;
    buttons->addWidget(btnAddNew, 0, 0);
    buttons->addWidget(btnEditHTML, 0, 1);
    buttons->addWidget(btnLoadLayout, 1, 0);
    buttons->addWidget(btnSaveLayout, 1, 1);
    buttons->addWidget(btnUseLayout, 2, 0);
    buttons->addWidget(btnHelp, 2, 1);
    auto *top = new QHBoxLayout;
    top->addWidget(tagbar);
    top->addWidget(toolbar, 1);
    top->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Result, 1);
}

void LayoutManager::load()
{
    DialogFrame::load();
    Result->NewDocument();
    tagbar->NewDocument();
}

std::optional<QString> LayoutManager::layoutBody()
{
    const auto body = Result->bodyHtml();
    if (!body)
        Prompter::tell(QStringLiteral("The layout did not answer in time. Please try again."),
                       kTitle, Prompter::Icon::Exclamation);
    return body;
}

void LayoutManager::setLayoutHtml(const QString &html)
{
    Result->setDocumentHtml(html);
}

void LayoutManager::stage(const QString &html)
{
    tagbar->setDocumentHtml(html);
}

void LayoutManager::chooseSample(int sample)
{
    setLayoutHtml(sampleText(sample));
    fileFormat = TextFiles::Format();
}

void LayoutManager::AddNewBox()
{
    Openers::showWindow(WindowDirectory::touch(QStringLiteral("LBoxProps")));
}

void LayoutManager::LoadLayout()
{
    TextFiles::Format format;
    if (const auto text = FragmentFile::open(
            ComDlg, fileFilter, QStringLiteral("Unable to load the layout"), kTitle, &format)) {
        setLayoutHtml(*text);
        fileFormat = format;
    }
}

void LayoutManager::SaveLayout()
{
    if (const auto body = layoutBody())
        FragmentFile::save(ComDlg, fileFilter, *body, QStringLiteral("Unable to save the layout"),
                           kTitle, fileFormat);
}

void LayoutManager::EditHTML()
{
    const auto body = layoutBody();
    if (!body)
        return;
    hide();
    auto *editor = WindowDirectory::touch<LayoutEditHtml>(QStringLiteral("LEditHTML"));
    editor->txtCode->setPlainText(*body);
    Openers::showWindow(editor);
}

void LayoutManager::UseLayout()
{
    const auto body = layoutBody();
    if (!body)
        return;
    const Prompter::Answer answer = Prompter::ask(
        QStringLiteral("Would you like to replace existing page with new layout?\r\n\r\n"
                       "Yes to replace\r\nNo to insert in existing page\r\nCancel to go back"),
        kTitle, Prompter::Icon::Question, Prompter::Buttons::YesNoCancel);
    if (answer == Prompter::Answer::Yes) {
        // The whole document of the window showing, as an insertion would go.
        if (WholeDocument::inComposer(compOrEdit == u"comp"))
            Composr()->writeBackDocument(*body);
        else
            Quorl()->area->setText(*body);
    } else if (answer == Prompter::Answer::No) {
        InsertHtml(*body);
    } else {
        return;
    }
    unload();
}

void LayoutManager::Help()
{
    Openers::showWindow(WindowDirectory::touch(QStringLiteral("LHelp")));
}
