#include "editor/taglist.h"

#include "dialogs/listeditor.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "platform/plaintext.h"
#include "platform/programfolder.h"
#include "platform/prompter.h"
#include "platform/regularfile.h"
#include "platform/sourcearea.h"
#include "platform/textfiles.h"

#include <QCursor>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace TagList {

namespace {

constexpr qint64 kLibraryLimit = 32768;

} // namespace

const QStringList &initialEntries()
{
    static const QStringList entries = [] {
        const std::pair<const char *, const char *> groups[] = {
            {"Basic Tags", "<!DOCTYPE> <html> <body> <h1> <h2> <h3> <h4> <h5> <h6> <p> <br> <hr> "
                           "<!--...-->"},
            {"Char Format", "<b> <font> <i> <em> <big> <strong> <small> <sup> <sub> <bdo> <u>"},
            {"Output", "<pre> <code> <tt> <kbd> <var> <dfn> <samp> <xmp>"},
            {"Blocks", "<acronym> <abbr> <address> <blockquote> <center> <q> <cite> <ins> <del> "
                       "<s> <strike>"},
            {"Links", "<a> <link>"},
            {"Frames", "<frame> <frameset> <noframes> <iframe>"},
            {"Input", "<form> <input> <textarea> <button> <select> <optgroup> <option> <label> "
                      "<fieldset> <legend> <isindex>"},
            {"Lists", "<ul> <ol> <li> <dir> <dl> <dt> <dd> <menu>"},
            {"Images", "<img> <map> <area>"},
            {"Tables", "<table> <caption> <th> <tr> <td> <thead> <tbody> <tfoot> <col> "
                       "<colgroup>"},
            {"Styles", "<style> <div> <span>"},
            {"Meta Info", "<head> <title> <meta> <base> <basefont>"},
            {"Programming", "<script> <noscript> <applet> <object> <param>"},
        };
        QStringList list;
        for (const auto &[heading, tags] : groups) {
            if (!list.isEmpty())
                list << QString() << QString();
            list << QString::fromLatin1(heading) << QString();
            list << QString::fromLatin1(tags).split(u' ');
        }
        return list;
    }();
    return entries;
}

qsizetype search(const QStringList &entries, const QString &text)
{
    if (text == idleText)
        return -1;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!entries.at(i).isEmpty() && entries.at(i).contains(text, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

QString commandFor(const QString &entry)
{
    static const QHash<QString, QString> commands = {
        {"<img>", "mnuImage"},       {"<table>", "mnuInsTable"}, {"<tr>", "mnuinsrowcol"},
        {"<font>", "mnuFont"},       {"<a>", "mnuHyperlink"},    {"<textarea>", "mnuTextArea"},
        {"<button>", "mnuButton"},   {"<select>", "mnuDropDown"},
        {"<fieldset>", "mnuFieldSet"}, {"<ul>", "mnuBullets"},   {"<ol>", "mnuNumbering"},
    };
    return commands.value(entry);
}

std::optional<QString> htmlInsertion(const QString &entry, const QString &sel)
{
    // The declaration and every void element: none of them has an end tag.
    static const QStringList alone = {
        "<!DOCTYPE>", "<area>", "<base>", "<basefont>", "<bgsound>", "<br>", "<col>",
        "<embed>", "<frame>", "<hr>", "<img>", "<input>", "<isindex>", "<keygen>",
        "<link>", "<meta>", "<param>", "<source>", "<track>", "<wbr>"};
    if (!entry.startsWith(u'<') || !commandFor(entry).isEmpty())
        return std::nullopt;
    if (alone.contains(entry))
        return entry + sel;
    if (entry == u"<!--...-->")
        return QStringLiteral("<!--") + sel + QStringLiteral("-->");
    return entry + sel + u'<' + u'/' + entry.mid(1);
}

std::optional<QString> cssInsertion(const QString &entry)
{
    if (entry.isEmpty())
        return std::nullopt;
    const QChar first = entry.at(0);
    if (first == u':' || first != first.toUpper())
        return entry;
    return std::nullopt;
}

bool readLibrary(const QString &path, QStringList *lines, bool *cleared)
{
    *cleared = false;
    const QFileInfo info(path);
    if (!info.isFile() || info.size() >= kLibraryLimit)
        return false;
    *cleared = true;
    lines->clear();
    QByteArray bytes;
    if (!RegularFile::readAll(path, &bytes))
        return false;
    QString text = TextFiles::toCrLf(TextFiles::decode(bytes));
    // A last line break ends the last line; it does not start another.
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    if (!text.isEmpty())
        *lines = text.split(QStringLiteral("\r\n"));
    return true;
}

} // namespace TagList

TagListPane::TagListPane(SourceWindow *window)
    : QWidget(window)
    , m_window(window)
{
    setObjectName(QStringLiteral("tagListPane"));
    setFixedWidth(150);

    txtSearchTag = new QLineEdit(TagList::idleText, this);
    txtSearchTag->setObjectName(QStringLiteral("txtSearchTag"));
    txtSearchTag->setToolTip(QStringLiteral("Enter the tag here, and it'll get selected below"));
    txtSearchTag->installEventFilter(this);

    lstAllTags = new QListWidget(this);
    lstAllTags->setObjectName(QStringLiteral("lstAllTags"));
    lstAllTags->setFont(QFont(QStringLiteral("Arial"), 9));
    lstAllTags->addItems(TagList::initialEntries());

    QPalette tip = palette();
    tip.setColor(QPalette::Base, tip.color(QPalette::ToolTipBase));
    tip.setColor(QPalette::Text, tip.color(QPalette::ToolTipText));
    txtSearchTag->setPalette(tip);
    lstAllTags->setPalette(tip);

    auto button = [this](const char *caption, const char *name) {
        auto *b = new QPushButton(QLatin1String(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    btnQBHtml = button("HTML", "btnQBHtml");
    btnQBCss = button("CSS", "btnQBCss");
    btnQBTables = button("Tables", "btnQBTables");
    btnQBForms = button("Forms", "btnQBForms");

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(txtSearchTag);
    layout->addWidget(lstAllTags, 1);
    for (QPushButton *b : {btnQBHtml, btnQBCss, btnQBTables, btnQBForms})
        layout->addWidget(b);
    setMode(Mode::Html);

    connect(btnQBHtml, &QPushButton::clicked, this, [this] { pressReference(Mode::Html); });
    connect(btnQBCss, &QPushButton::clicked, this, [this] { pressReference(Mode::Css); });
    connect(btnQBTables, &QPushButton::clicked, this, [this] { popup("mnuTable"); });
    connect(btnQBForms, &QPushButton::clicked, this, [this] { popup("mnuForm"); });
    connect(lstAllTags, &QListWidget::itemClicked, this, &TagListPane::onClick);
    connect(lstAllTags, &QListWidget::itemDoubleClicked, this, &TagListPane::onDoubleClick);
    connect(txtSearchTag, &QLineEdit::textChanged, this, &TagListPane::onSearch);
}

void TagListPane::setMode(Mode mode)
{
    m_mode = mode;
    // The pressed reference button looks sunk in; the other stands out.
    const bool html = mode == Mode::Html;
    auto paint = [](QPushButton *b, QPalette::ColorRole role) {
        QPalette p = b->palette();
        p.setColor(QPalette::Button, p.color(role));
        b->setPalette(p);
    };
    paint(btnQBHtml, html ? QPalette::Midlight : QPalette::Light);
    paint(btnQBCss, html ? QPalette::Light : QPalette::Midlight);
}

void TagListPane::LoadTagList(const QString &path)
{
    QStringList lines;
    bool cleared = false;
    const bool ok = TagList::readLibrary(path, &lines, &cleared);
    if (cleared) {
        lstAllTags->clear();
        lstAllTags->addItems(lines);
    }
    if (!ok) {
        Prompter::tell(TagList::libraryMessage, QStringLiteral("Assistant: Quorl"),
                       Prompter::Icon::Critical);
    }
}

void TagListPane::pressReference(Mode mode)
{
    LoadTagList(ProgramFolder::resolve(mode == Mode::Html ? QStringLiteral("misc/htmlRef.lib")
                                                          : QStringLiteral("misc/cssRef.lib")));
    setMode(mode);
    m_window->area->setFocus();
}

void TagListPane::popup(const QString &menuName)
{
    if (QMenu *menu = m_window->findChild<QMenu *>(menuName))
        Prompter::instance().popupMenu(menu, QCursor::pos());
    m_window->area->setFocus();
}

void TagListPane::onClick()
{
    const QString entry = lstAllTags->currentItem() ? lstAllTags->currentItem()->text()
                                                    : QString();
    PlainText::setToolTip(lstAllTags, entry);
    m_window->setPanelText(1, entry);
}

void TagListPane::onDoubleClick()
{
    if (m_mode == Mode::Html)
        InsertListTag();
    else
        InsertListCss();
    m_window->area->setFocus();
}

void TagListPane::InsertListTag()
{
    const QString entry = lstAllTags->currentItem() ? lstAllTags->currentItem()->text()
                                                    : QString();
    const QString command = TagList::commandFor(entry);
    if (!command.isEmpty()) {
        if (QAction *item = Menus::find(m_window, command))
            item->trigger();
        return;
    }
    if (const auto text = TagList::htmlInsertion(entry, m_window->area->selText()))
        m_window->area->setSelText(*text);
}

void TagListPane::InsertListCss()
{
    const QString entry = lstAllTags->currentItem() ? lstAllTags->currentItem()->text()
                                                    : QString();
    if (const auto text = TagList::cssInsertion(entry))
        m_window->area->setSelText(*text);
}

void TagListPane::onSearch(const QString &text)
{
    const qsizetype found = TagList::search(listEntries(lstAllTags), text);
    if (found >= 0)
        lstAllTags->setCurrentRow(int(found));
}

bool TagListPane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtSearchTag) {
        if (event->type() == QEvent::MouseButtonPress)
            txtSearchTag->clear();
        else if (event->type() == QEvent::FocusOut)
            txtSearchTag->setText(TagList::idleText);
    }
    return QWidget::eventFilter(watched, event);
}
