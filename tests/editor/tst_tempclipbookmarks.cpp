// The temporary clipboard, the bookmarks window, the anchor scan and the
// filling of the hyperlink dialog's bookmark lists.

#include "app/windowregistry.h"
#include "dialogs/listeditor.h"
#include "editor/bookmarkswindow.h"
#include "editor/sourcewindow.h"
#include "editor/tempclipwindow.h"
#include "platform/sourcearea.h"
#include "support/composerpage.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using Msg = ScriptedPrompter::Message;
using Icon = Prompter::Icon;
using Buttons = Prompter::Buttons;
using Answer = Prompter::Answer;

namespace {

// Stands in for the hyperlink dialog: the fields the Hyperlink command writes.
class HyperlinkStandIn : public QWidget
{
public:
    HyperlinkStandIn()
    {
        for (const char *name : {"listBookMarks", "listAddress"})
            (new QListWidget(this))->setObjectName(name);
        for (const char *name : {"compOrEdit", "txtTextToDisp"})
            (new QLineEdit(this))->setObjectName(name);
    }
    QString field(const char *name) const { return findChild<QLineEdit *>(name)->text(); }
    QStringList list(const char *name) const { return listEntries(findChild<QListWidget *>(name)); }
};

} // namespace

class TestTempClipBookmarks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void copyShowAndPaste();
    void removeAndClear();
    void dropIsACopy();
    void pageSizedSnippetStaysOneRow();
    void anchorScan_data();
    void anchorScan();
    void bookmarksCommand();
    void goTo_data();
    void goTo();
    void hyperlinkListsFilledAfresh();
    void composerShowingTakesTheOutput_data();
    void composerShowingTakesTheOutput();

private:
    TestEnv m_env;
    SourceWindow *q = nullptr;
};

void TestTempClipBookmarks::initTestCase()
{
    registerWindows();
    WindowDirectory::registerWindow("hyperlinks", [] { return new HyperlinkStandIn; });
}

void TestTempClipBookmarks::init()
{
    q = Quorl();
}

void TestTempClipBookmarks::cleanup()
{
    TestEnv::unloadWindows();
}

void TestTempClipBookmarks::copyShowAndPaste()
{
    q->area->setText("alpha beta\r\ngamma");
    QAction *copy = q->findChild<QAction *>("mnuCopyToTemp");
    QAction *show = q->findChild<QAction *>("mnuShowTempClip");
    QVERIFY(copy->isEnabled() && show->isEnabled());
    copy->trigger();  // nothing selected: nothing added
    for (const auto &[start, length] : {std::pair{6, 4}, std::pair{0, 5}, std::pair{6, 11}}) {
        q->area->setSelStart(start);
        q->area->setSelLength(length);
        q->findChild<QAction *>("btnCopyTempClip")->trigger();
    }
    TempClipWindow *clip = TempClip();
    QVERIFY(!clip->isVisible());
    show->trigger();
    QVERIFY(clip->isVisible());
    QCOMPARE(listEntries(clip->listClip), (QStringList{"beta", "alpha", "beta\r\ngamma"}));

    // Paste before any click pastes the empty display box: the selection goes.
    q->area->setSelStart(0);
    q->area->setSelLength(6);
    clip->btnPaste->click();
    QCOMPARE(q->area->text(), QString("beta\r\ngamma"));

    // The display box is pasted as edited.
    QTest::mouseClick(clip->listClip->viewport(), Qt::LeftButton, {},
                      clip->listClip->visualItemRect(clip->listClip->item(1)).center());
    QCOMPARE(clip->txtClip->toPlainText(), QString("alpha"));
    clip->txtClip->setPlainText("ALPHA ");
    q->area->setSelStart(0);
    clip->btnPaste->click();
    QCOMPARE(q->area->text(), QString("ALPHA beta\r\ngamma"));
    QVERIFY(clip->isVisible());

    // Closed and shown again, the snippets are still there.
    clip->CancelButton->click();
    show->trigger();
    QCOMPARE(clip->listClip->count(), 3);
}

void TestTempClipBookmarks::removeAndClear()
{
    TempClipWindow *clip = TempClip();
    for (const char *s : {"one", "two", "three"})
        clip->addSnippet(s);
    clip->txtClip->setPlainText("shown");
    ScriptedPrompter p;
    p.expect(Msg{"No item selected", "Assistant: Quorl", Icon::Exclamation});
    clip->btnRemove->click();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(clip->listClip->count(), 3);

    clip->listClip->setCurrentRow(1);
    clip->btnRemove->click();
    QCOMPARE(listEntries(clip->listClip), (QStringList{"one", "three"}));

    const Msg question{"This will clear Temporary Clipboard. Proceed?", "Assistant: Quorl",
                       Icon::Question, Buttons::YesNo, Answer::No, Answer::No};
    p.expect(question);
    clip->btnClear->click();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(clip->listClip->count(), 2);
    Msg yes = question;
    yes.answer = Answer::Yes;
    p.expect(yes);
    clip->btnClear->click();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(clip->listClip->count(), 0);
    QCOMPARE(clip->txtClip->toPlainText(), QString("shown"));
}

void TestTempClipBookmarks::dropIsACopy()
{
    TempClipWindow *clip = TempClip();
    clip->txtClip->setPlainText("keep this text");
    QTextCursor cursor = clip->txtClip->textCursor();
    cursor.setPosition(5);
    cursor.setPosition(9, QTextCursor::KeepAnchor);
    clip->txtClip->setTextCursor(cursor);
    QMimeData data;
    data.setText("ignored");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          {});
    QCoreApplication::sendEvent(clip->listClip->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(clip->listClip->viewport(), &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QCOMPARE(listEntries(clip->listClip), QStringList{"this"});
    QCOMPARE(clip->txtClip->toPlainText(), QString("keep this text"));
}

void TestTempClipBookmarks::pageSizedSnippetStaysOneRow()
{
    // A whole page copied in must not be laid out line by line in the list:
    // that froze the window for seconds at every paint and click.
    TempClipWindow *clip = TempClip();
    QString page;
    for (int i = 0; i < 20000; ++i)
        page += QStringLiteral("<p>line %1</p>\r\n").arg(i);
    clip->addSnippet(page);
    clip->addSnippet("short");
    clip->show();
    QVERIFY(QTest::qWaitForWindowExposed(clip));
    const int line = clip->listClip->fontMetrics().height();
    QVERIFY(clip->listClip->visualItemRect(clip->listClip->item(0)).height() < 2 * line);
    QCOMPARE(listEntries(clip->listClip), (QStringList{page, "short"}));
    QTest::mouseClick(clip->listClip->viewport(), Qt::LeftButton, {},
                      clip->listClip->visualItemRect(clip->listClip->item(0)).center());
    QCOMPARE(clip->txtClip->toPlainText(), SourceArea::withLfBreaks(page));
}

void TestTempClipBookmarks::anchorScan_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("addresses");
    QTest::newRow("two cases")
        << "<p><a name=\"top\"></a>x<A NAME=\"end\" id=e></A>"
        << QStringList{"top", "end"} << QStringList{"<a name=\"top\">", "<A NAME=\"end\" id=e>"};
    QTest::newRow("none") << "<p>no anchors</p>" << QStringList{} << QStringList{};
    QTest::newRow("at the first character") << "<a name=\"first\"></a><a name=\"second\">"
                                            << QStringList{"second"}
                                            << QStringList{"<a name=\"second\">"};
    QTest::newRow("href before name") << " <a href=\"#x\" name=\"x\">" << QStringList{}
                                      << QStringList{};
    QTest::newRow("two blanks") << " <a  name=\"x\">" << QStringList{} << QStringList{};
    QTest::newRow("single quotes end the scan")
        << " <a name=\"one\"> <a name='two'> <a name=\"three\">" << QStringList{"one"}
        << QStringList{"<a name=\"one\">"};
    QTest::newRow("no closing bracket") << " <a name=\"one\"> <a name=\"two\""
                                        << QStringList{"one"} << QStringList{"<a name=\"one\">"};
    QTest::newRow("empty name") << " <a name=\"\">" << QStringList{""}
                                << QStringList{"<a name=\"\">"};
}

void TestTempClipBookmarks::anchorScan()
{
    QFETCH(QString, text);
    QFETCH(QStringList, names);
    QFETCH(QStringList, addresses);
    const Anchors found = scanAnchors(text);
    QCOMPARE(found.names, names);
    QCOMPARE(found.addresses, addresses);
}

void TestTempClipBookmarks::bookmarksCommand()
{
    q->area->setText("<p>x</p><a name=\"intro\"></a>");
    QAction *command = q->findChild<QAction *>("mnuBookmarks");
    QVERIFY(command->isEnabled());
    command->trigger();
    command->trigger();  // again while open: the lists are filled afresh
    auto *b = qobject_cast<BookmarksWindow *>(WindowDirectory::loaded("bookmarks"));
    QVERIFY(b && b->isVisible());
    QCOMPARE(listEntries(b->listBookMarks), QStringList{"intro"});
    QCOMPARE(listEntries(b->listAddress), QStringList{"<a name=\"intro\">"});
    QCOMPARE(b->compOrEdit, QString("edit"));

    // Add puts an empty anchor at the caret and closes the window.
    q->area->setSelStart(3);
    b->txtBookmark->setText("more");
    QTest::keyClick(b->txtBookmark, Qt::Key_Return);
    QCOMPARE(q->area->text(), QString("<p><A name=\"more\"></A>x</p><a name=\"intro\"></a>"));
    QVERIFY(!WindowDirectory::isLoaded("bookmarks"));
    QCOMPARE(BookmarksWindow::anchorFor(""), QString("<A name=\"\"></A>"));
}

void TestTempClipBookmarks::goTo_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("textAtGoTo");
    QTest::addColumn<int>("row");      // -1: nothing selected
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    const QString page = "<p>a</p><a name=\"one\"></a>\r\n<a name=\"two\"></a>";
    QTest::newRow("second anchor") << page << page << 1 << 28 << 14;
    // The first occurrence wins, even in text that stands before the anchor.
    QTest::newRow("same tag earlier") << " <a name=\"x\">" << "<a name=\"x\"> <a name=\"x\">"
                                      << 0 << 0 << 12;
    QTest::newRow("edited away") << page << QString("<p>a</p>") << 0 << 2 << 3;
    QTest::newRow("nothing selected") << page << page << -1 << 2 << 3;
}

void TestTempClipBookmarks::goTo()
{
    QFETCH(QString, text);
    QFETCH(QString, textAtGoTo);
    QFETCH(int, row);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    q->area->setText(text);
    showBookmarks();
    auto *b = qobject_cast<BookmarksWindow *>(WindowDirectory::loaded("bookmarks"));
    q->area->setText(textAtGoTo);
    q->area->setSelStart(2);
    q->area->setSelLength(3);
    ScriptedPrompter p;
    if (row < 0)
        p.expect(Msg{"No Bookmark Selected", "Assistant: Quorl", Icon::Exclamation});
    else
        b->listBookMarks->setCurrentRow(row);
    b->btnGo->click();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(int(q->area->selStart()), selStart);
    QCOMPARE(int(q->area->selLength()), selLength);
    QVERIFY(!WindowDirectory::isLoaded("bookmarks"));
}

void TestTempClipBookmarks::hyperlinkListsFilledAfresh()
{
    auto *dialog = static_cast<HyperlinkStandIn *>(WindowDirectory::touch("hyperlinks"));
    // Left over from an earlier opening, and out of step.
    dialog->findChild<QListWidget *>("listBookMarks")->addItems({"old", "older"});
    dialog->findChild<QListWidget *>("listAddress")->addItem("<a name=\"old\">");
    q->area->setText(" <a name=\"top\"></a><p>link me</p> <A name=\"end\"></A>");
    q->area->setSelStart(22);
    q->area->setSelLength(7);
    QAction *command = q->findChild<QAction *>("mnuHyperlink");
    QVERIFY(command->isEnabled());
    command->trigger();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->list("listBookMarks"), (QStringList{"top", "end"}));
    QCOMPARE(dialog->list("listAddress"),
             (QStringList{"<a name=\"top\">", "<A name=\"end\">"}));
    QCOMPARE(dialog->field("compOrEdit"), QString("edit"));
    QCOMPARE(dialog->field("txtTextToDisp"), QString("link me"));
}

QTEST_MAIN(TestTempClipBookmarks)
#include "tst_tempclipbookmarks.moc"

void TestTempClipBookmarks::composerShowingTakesTheOutput_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("text");
    // What the page then holds; empty where the output is refused.
    QTest::addColumn<QString>("selector");
    QTest::newRow("snippet") << "TempClip" << "<b id=\"s\">bold</b>" << "p b#s";
    QTest::newRow("snippet with its table")
        << "TempClip" << "<table id=\"s\"><tr><td>x</td></tr></table>" << "table#s td";
    QTest::newRow("cells without their table") << "TempClip" << "<td id=\"s\">x</td>" << "";
    QTest::newRow("a head") << "TempClip" << "<head><title>x</title></head>" << "";
    QTest::newRow("bookmark") << "bookmarks" << "here" << "p a[name=here]";
}

void TestTempClipBookmarks::composerShowingTakesTheOutput()
{
    QFETCH(QString, window);
    QFETCH(QString, text);
    QFETCH(QString, selector);
    const QString html = "<html><head><title>t</title></head><body><p id=\"p\">one</p></body>"
                         "</html>";
    ComposerWindow *composer = ComposerPage::showAt(html, 1);
    QVERIFY(composer);
    HtmlEditView *page = composer->txtComp;
    ScriptedPrompter prompts;
    if (selector.isEmpty())
        prompts.expect(Msg{"This text holds tags that cannot stand in the visual page. Switch to "
                           "the source view (View > Editor) and paste it there.",
                           "Assistant: Quorl", Icon::Exclamation});
    if (window == "TempClip") {
        TempClipWindow *clip = TempClip();
        clip->txtClip->setPlainText(text);
        clip->btnPaste->click();
    } else {
        showBookmarks();
        auto *marks = qobject_cast<BookmarksWindow *>(WindowDirectory::loaded("bookmarks"));
        QVERIFY(marks);
        marks->txtBookmark->setText(text);
        marks->btnAdd->click();
    }
    QV_VERIFY_PROMPTS(prompts);
    if (selector.isEmpty()) {
        QVERIFY(composer->stagedInsertions().isEmpty());
        QVERIFY(TestEngine::settle(page));
        QCOMPARE(ComposerPage::value("document.body.innerHTML"), QString("<p id=\"p\">one</p>"));
    } else {
        QV_TRY_COMPARE(ComposerPage::value(
                           QString("String(document.querySelectorAll('%1').length)").arg(selector)),
                       QString("1"));
    }
}
