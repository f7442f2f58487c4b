#include "dialogs/cursordialog.h"

#include "platform/plaintext.h"
#include "platform/prompter.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <array>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

QString cursorSpan(const QString &cursor, const QString &text)
{
    const QString start = QStringLiteral("<span style=\"cursor:") + cursor + QStringLiteral("\">");
    if (text.isEmpty())
        return start + QStringLiteral(" <!-- The portion to which the effect has to be applied "
                                      "comes here --> </span>");
    return start + text + QStringLiteral("</span>");
}

CursorDialog::CursorDialog()
    : DialogFrame(QStringLiteral("CursorArrow"), QStringLiteral("Cursor Properties : Quorl"))
{
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(QStringLiteral(
        "When the mouse pointer is moved a link, the default arrow can be replaced by any one "
        "of the following pointers. Folow the instructions given below"), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    layout->addWidget(new QLabel(
        QStringLiteral("Choose the cursor to which you want to change the pointer to"), this));

    auto *frmButtons = new QGroupBox(this);
    frmButtons->setObjectName(QStringLiteral("frmButtons"));
    auto *pictures = new QHBoxLayout(frmButtons);
    picCrossHair = picture("picCrossHair", "Cross Hair", Qt::CrossCursor, "crosshair",
                           "crosshair");
    picHand = picture("picHand", "Hand", Qt::PointingHandCursor, "pointer",
                      "pointer;cursor:hand");
    picHelp = picture("picHelp", "Help", Qt::WhatsThisCursor, "help-contextual", "help");
    picHourGlass = picture("picHourGlass", "Hour Glass", Qt::WaitCursor, "process-working",
                           "wait");
    picMove = picture("picMove", "Move", Qt::SizeAllCursor, "transform-move", "Move");
    for (QToolButton *b : {picCrossHair, picHand, picHelp, picHourGlass, picMove})
        pictures->addWidget(b);

    btnMore = button(QStringLiteral("btnMore"), QStringLiteral("More"));
    mnuArrows = new QMenu(QStringLiteral("Arrows"), this);
    mnuArrows->setObjectName(QStringLiteral("mnuArrows"));
    const QList<std::array<const char *, 3>> arrows = {
        {"mnuNorth", "North", "n-resize"},          {"mnuSouth", "South", "s-resize"},
        {"mnuEast", "East", "e-resize"},            {"mnuWest", "West", "w-resize"},
        {"mnuNorthEast", "North East", "ne-resize"}, {"mnuNorthWest", "North West", "nw-resize"},
        {"mnuSouthEast", "South East", "se-resize"}, {"mnuSouthWest", "South West", "sw-resize"}};
    for (const auto &[name, caption, cursor] : arrows) {
        QAction *action = mnuArrows->addAction(QLatin1String(caption));
        action->setObjectName(QLatin1String(name));
        action->setData(QLatin1String(cursor));
    }
    connect(btnMore, &QPushButton::clicked, this, [this] {
        const QPoint below = btnMore->mapToGlobal(QPoint(0, btnMore->height()));
        if (QAction *chosen = Prompter::instance().popupMenu(mnuArrows, below))
            choose(chosen->data().toString());
    });
    pictures->addWidget(btnMore);
    layout->addWidget(frmButtons);

    lblDesc = new QLabel(this);
    lblDesc->setObjectName(QStringLiteral("lblDesc"));
    lblDesc->setTextFormat(Qt::PlainText);
    lblDesc->setWordWrap(true);
    lblDesc->setText(QStringLiteral(
        "Example:\n<span style=\"cursor:pointer;cursor:hand\">This span has a \"hand\" "
        "cursor</span>\nMost elements, such as tables, paragraphs and the body, can carry a "
        "cursor of their own."));
    layout->addWidget(lblDesc);

    auto *codeFrame = new QGroupBox(QStringLiteral("The Generated Code"), this);
    auto *codeLayout = new QVBoxLayout(codeFrame);
    txtCode = new QPlainTextEdit(codeFrame);
    txtCode->setObjectName(QStringLiteral("txtCode"));
    txtCode->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    codeLayout->addWidget(txtCode);
    layout->addWidget(codeFrame);

    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("OK"));
    CancelButton = cancelButton();
    btnExample = button(QStringLiteral("btnExample"), QStringLiteral("Example"));
    btnHelp = helpButton(QStringLiteral("cursor.qhp"));
    addButtonRow(layout, {OKButton, CancelButton, btnHelp}, {btnExample});
    connect(OKButton, &QPushButton::clicked, this, &CursorDialog::onOK);
    connect(btnExample, &QPushButton::clicked, this, &CursorDialog::showExample);
}

QToolButton *CursorDialog::picture(const char *name, const char *tip, Qt::CursorShape shape,
                                   const char *themeIcon, const char *cursor)
{
    auto *b = new QToolButton(this);
    b->setObjectName(QLatin1String(name));
    PlainText::describe(b, QLatin1String(tip));
    // The button shows its pointer when the mouse is over it.
    b->setCursor(shape);
    b->setIcon(QIcon::fromTheme(QLatin1String(themeIcon)));
    if (b->icon().isNull())
        b->setText(QLatin1String(tip));
    b->setToolButtonStyle(b->icon().isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    b->setIconSize(QSize(32, 32));
    const QString value = QLatin1String(cursor);
    connect(b, &QToolButton::clicked, this, [this, value] { choose(value); });
    return b;
}

QString CursorDialog::code() const
{
    return txtCode->toPlainText();
}

void CursorDialog::setSelection(const QString &text)
{
    selectedText = text;
    m_cursor.clear();
    txtCode->setPlainText(text);
}

void CursorDialog::choose(const QString &cursor)
{
    m_cursor = cursor;
    txtCode->setPlainText(cursorSpan(cursor, selectedText));
}

void CursorDialog::onOK()
{
    const InsertRoute::Route route = deliveryRoute();
    QString html = code();
    // Code as this dialog wrote it is built again around the selection of
    // the view delivered into; code the user edited stays.
    if (!txtCode->document()->isModified()) {
        const QString text = textIn(route, selectedText);
        html = m_cursor.isEmpty() ? text : cursorSpan(m_cursor, text);
    }
    deliver(route, html);
    selectedText.clear();
    unload();
}

void CursorDialog::showExample()
{
    hide();
    Prompter::tell(QStringLiteral("Example:\r\n\r\n<span style=\"cursor:Move\"> Some text </span>"),
                   QStringLiteral("Assistant: Quorl"), Prompter::Icon::Information);
    show();
}
