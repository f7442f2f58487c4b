#include "app/windowregistry.h"
#include "editor/autorecognition.h"
#include "editor/findwindow.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "editor/taglist.h"
#include "platform/sourcearea.h"
#include "support/recordingdialog.h"
#include "support/scriptedprompter.h"
#include "support/showntext.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using Msg = ScriptedPrompter::Message;

namespace {

Msg exclamation(const QString &text)
{
    return Msg{text, "Assistant: Quorl", Prompter::Icon::Exclamation, Prompter::Buttons::Ok};
}

Msg question(const QString &what, Prompter::Answer answer)
{
    return Msg{"This looks like " + what + ". Would you like Quorl to assist you?",
               "Assistant: Quorl", Prompter::Icon::Question, Prompter::Buttons::YesNo, answer,
               Prompter::Answer::No};
}

// Waits until a question that waits for a pause in the typing has come.
void waitForTypingPause(SourceWindow *w)
{
    const auto *pause = w->findChild<QTimer *>("assistPause");
    QTRY_VERIFY(!pause || !pause->isActive());
}

void select(SourceWindow *w, const QString &text, qsizetype start, qsizetype length)
{
    w->area->setText(text);
    w->area->setSelStart(start);
    w->area->setSelLength(length);
}

} // namespace

class TestSourceAssists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void commands_data();
    void commands();
    void autoDeleteMessageAndKey();
    void insertListTag_data();
    void insertListTag();
    void voidElementsGoAlone();
    void initialList();
    void tagSearch_data();
    void tagSearch();
    void searchBox();
    void listClickAndButtons();
    void loadTagList();
    void cssMode_data();
    void cssMode();
    void autoRecognition_data();
    void autoRecognition();
    void recognitionAsksOncePerTag();
    void contextMenuUndoAsksNothing();
    void findAndFindNext();
    void findNextKeyAfterFind();

private:
    TestEnv m_env;
    SourceWindow *w = nullptr;
    int m_beeps = 0;
};

void TestSourceAssists::initTestCase()
{
    registerWindows();
    for (const char *name : {"frmImage", "frmrow", "bullets"})
        WindowDirectory::registerWindow(name, [] { return new RecordingDialog; });
    AutoRecognition::beep = [this] { ++m_beeps; };
}

void TestSourceAssists::init()
{
    w = Quorl();
    m_beeps = 0;
}

void TestSourceAssists::cleanup()
{
    TestEnv::unloadWindows();
}

void TestSourceAssists::commands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("resultStart");
    QTest::addColumn<int>("resultLength");

    QTest::newRow("bold") << "mnuBold" << "a\r\nbc" << 3 << 2 << "a\r\n<B>bc</B>" << 3 << 9;
    QTest::newRow("quote is QUOTE") << "mnuQuote" << "x" << 0 << 1 << "<QUOTE>x</QUOTE>" << 0
                                    << 16;
    QTest::newRow("comment unwraps") << "mnuComment" << "<!--x-->" << 0 << 8 << "x" << 0 << 1;
    QTest::newRow("button named indent outdents")
        << "btnIndent" << "<BLOCKQUOTE>x</BLOCKQUOTE>" << 0 << 26 << "x" << 0 << 1;
    QTest::newRow("button named outdent indents")
        << "btnOutdent" << "x" << 0 << 1 << "<BLOCKQUOTE>x</BLOCKQUOTE>" << 0 << 26;
    QTest::newRow("justify") << "mnuAJustify" << "ab" << 1 << 1
                             << "a<P align=\"justify\">b</P>" << 25 << 0;
    QTest::newRow("no break, empty") << "mnuNoBreak" << "ab" << 1 << 0 << "a<NOBR></NOBR>b" << 14
                                     << 0;
    QTest::newRow("line break") << "mnuLineBreak" << "abc" << 1 << 1 << "a<BR>c" << 5 << 0;
    QTest::newRow("word break") << "mnuWordBreak" << "ac" << 1 << 0 << "a<WBR>c" << 6 << 0;
    QTest::newRow("paragraph") << "mnuParagraph" << "abc" << 1 << 1
                               << "a<P align=\"left\">\r\n\r\n</P>c" << 17 << 0;
    QTest::newRow("title case") << "mnuTitleCase" << "x\r\nab cd" << 3 << 5 << "x\r\nAb Cd" << 8
                                << 0;
    QTest::newRow("tabify keeps it selected") << "mnuTabify" << "a\r\nb" << 0 << 4
                                              << "\ta\r\n\tb" << 0 << 6;
    QTest::newRow("untabify") << "mnuUntabify" << "\ta\r\n\tb" << 0 << 6 << "a\r\nb" << 0 << 4;
    QTest::newRow("smart select") << "mnusmartsel" << "x\r\n<p>ab</p>" << 7 << 0
                                  << "x\r\n<p>ab</p>" << 3 << 9;
    QTest::newRow("find end tag") << "mnuFindEndTag" << "\r\n<B>w</b>" << 3 << 0
                                  << "\r\n<B>w</b>" << 6 << 4;
    QTest::newRow("auto delete") << "mnuAutoDelete" << "\r\n<B>w</b>" << 3 << 0 << "\r\nw" << 2
                                 << 0;
}

void TestSourceAssists::commands()
{
    QFETCH(QString, command);
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, result);
    QFETCH(int, resultStart);
    QFETCH(int, resultLength);
    select(w, text, start, length);
    QAction *action = w->frmformatbar->findChild<QAction *>(command);
    if (!action)
        action = Menus::find(w, command);
    QVERIFY(action && action->isEnabled());
    action->trigger();
    QCOMPARE(w->area->text(), result);
    QCOMPARE(w->area->selStart(), qsizetype(resultStart));
    QCOMPARE(w->area->selLength(), qsizetype(resultLength));
}

void TestSourceAssists::autoDeleteMessageAndKey()
{
    ScriptedPrompter p;
    p.expect(exclamation("End of the tag was not found"));
    select(w, "a<br>b", 3, 0);
    Menus::find(w, "mnuAutoDelete")->trigger();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(w->area->text(), QString("a<br>b"));
    QCOMPARE(w->area->selText(), QString("<br>"));

    // Alt+Backspace is the menu's, not the text area's.
    select(w, "<i>x</i>", 1, 0);
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->area->setFocus();
    QTest::keyClick(w->area, Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(w->area->text(), QString("x"));
}

void TestSourceAssists::insertListTag_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("dialog");

    QTest::newRow("alone, before the selection") << "<hr>" << 3 << "x<hr>abcy" << "";
    QTest::newRow("pair, no selection") << "<p>" << 0 << "x<p></p>abcy" << "";
    QTest::newRow("pair around the selection") << "<b>" << 3 << "x<b>abc</b>y" << "";
    QTest::newRow("comment") << "<!--...-->" << 3 << "x<!--abc-->y" << "";
    QTest::newRow("heading") << "Basic Tags" << 3 << "xabcy" << "";
    QTest::newRow("blank") << "" << 3 << "xabcy" << "";
    QTest::newRow("image opens its dialog") << "<img>" << 3 << "xabcy" << "frmImage";
    QTest::newRow("row dialog") << "<tr>" << 0 << "xabcy" << "frmrow";
    QTest::newRow("input goes alone") << "<input>" << 0 << "x<input>abcy" << "";
}

void TestSourceAssists::insertListTag()
{
    QFETCH(QString, entry);
    QFETCH(int, selLength);
    QFETCH(QString, result);
    QFETCH(QString, dialog);
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w));
    select(w, "xabcy", 1, selLength);
    QListWidget *list = w->tagList->lstAllTags;
    const int row = int(TagList::initialEntries().indexOf(entry));
    QVERIFY(row >= 0);
    list->setCurrentRow(row);
    list->setFocus();
    emit list->itemDoubleClicked(list->item(row));
    QCOMPARE(w->area->text(), result);
    if (!dialog.isEmpty()) {
        auto *opened = qobject_cast<RecordingDialog *>(WindowDirectory::loaded(dialog));
        QVERIFY(opened && opened->isVisible());
    }
    QVERIFY(w->area->hasFocus());
}

void TestSourceAssists::voidElementsGoAlone()
{
    // Elements that never have an end tag, in both lists the pane shows.
    const QStringList voidTags = {"area", "base", "basefont", "br", "col", "embed", "frame",
                                  "hr", "input", "isindex", "link", "meta", "param", "source",
                                  "track", "wbr"};
    QStringList entries = TagList::initialEntries();
    QStringList reference;
    bool cleared = false;
    QVERIFY(TagList::readLibrary(m_env.programFolder() + "/misc/htmlRef.lib", &reference,
                                 &cleared));
    entries += reference;
    QStringList seen;
    for (const QString &entry : std::as_const(entries)) {
        const QString name = entry.mid(1, entry.size() - 2);
        if (!entry.startsWith('<') || !voidTags.contains(name))
            continue;
        seen << name;
        QCOMPARE(TagList::htmlInsertion(entry, "abc"), std::optional<QString>(entry + "abc"));
    }
    for (const char *name : {"wbr", "source", "track", "embed", "col", "base"})
        QVERIFY2(seen.contains(name), name);
}

void TestSourceAssists::initialList()
{
    const QStringList &entries = TagList::initialEntries();
    QCOMPARE(entries.size(), 144);
    QCOMPARE(entries.mid(0, 4), QStringList({"Basic Tags", "", "<!DOCTYPE>", "<html>"}));
    QCOMPARE(entries.last(), QString("<param>"));
    QStringList headings;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!entries.at(i).isEmpty() && !entries.at(i).startsWith('<')) {
            headings << entries.at(i);
            // A heading has one blank entry after it, and two before the next.
            QVERIFY(entries.at(i + 1).isEmpty() && !entries.at(i + 2).isEmpty());
            QVERIFY(i == 0 || (entries.at(i - 1).isEmpty() && entries.at(i - 2).isEmpty()));
        }
    }
    QCOMPARE(headings, QStringList({"Basic Tags", "Char Format", "Output", "Blocks", "Links",
                                    "Frames", "Input", "Lists", "Images", "Tables", "Styles",
                                    "Meta Info", "Programming"}));
    QCOMPARE(w->tagList->lstAllTags->count(), 144);
}

void TestSourceAssists::tagSearch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found");
    QTest::newRow("heading before its tag") << "TAB" << "Tables";
    QTest::newRow("empty: first non-empty entry") << "" << "Basic Tags";
    QTest::newRow("inside an entry") << "scr" << "<script>";
    QTest::newRow("no match") << "zzz" << "";
    QTest::newRow("idle box") << "Search Tag" << "";
}

void TestSourceAssists::tagSearch()
{
    QFETCH(QString, text);
    QFETCH(QString, found);
    const QStringList &entries = TagList::initialEntries();
    const qsizetype at = TagList::search(entries, text);
    QCOMPARE(at < 0 ? QString() : entries.at(at), found);
}

void TestSourceAssists::searchBox()
{
    TagListPane *pane = w->tagList;
    QCOMPARE(pane->txtSearchTag->text(), QString("Search Tag"));
    QCOMPARE(pane->txtSearchTag->toolTip(),
             QString("Enter the tag here, and it'll get selected below"));
    pane->txtSearchTag->setText("<tfo");
    QCOMPARE(pane->lstAllTags->currentItem()->text(), QString("<tfoot>"));
    // No match, and the idle marker put back, keep the selection.
    pane->txtSearchTag->setText("nothing like it");
    pane->txtSearchTag->setText("Search Tag");
    QCOMPARE(pane->lstAllTags->currentItem()->text(), QString("<tfoot>"));

    // A click empties the box, which finds the first entry; leaving it puts
    // the marker back and keeps the list where it is.
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::mouseClick(pane->txtSearchTag, Qt::LeftButton);
    QCOMPARE(pane->txtSearchTag->text(), QString());
    QCOMPARE(pane->lstAllTags->currentItem()->text(), QString("Basic Tags"));
    QTest::keyClicks(pane->txtSearchTag, "leg");
    QCOMPARE(pane->lstAllTags->currentItem()->text(), QString("<legend>"));
    w->area->setFocus();
    QCOMPARE(pane->txtSearchTag->text(), QString("Search Tag"));
    QCOMPARE(pane->lstAllTags->currentItem()->text(), QString("<legend>"));
}

void TestSourceAssists::listClickAndButtons()
{
    TagListPane *pane = w->tagList;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    // The clicked entry shows in the tool tip and panel 1 as it is written.
    for (const QString entry : {"<!DOCTYPE>", "<center>", "<a>", "<b>"}) {
        const int row = int(TagList::initialEntries().indexOf(entry));
        pane->lstAllTags->setCurrentRow(row);
        emit pane->lstAllTags->itemClicked(pane->lstAllTags->item(row));
        QCOMPARE(shownToolTip(pane->lstAllTags), entry);
        QCOMPARE(w->panelText(1), entry);
        QCOMPARE(shownText(w->StatusBar1->findChild<QLabel *>("panel1")), entry);
    }
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::Popup{"Visual Table"}).expect(ScriptedPrompter::Popup{"Hidden"});
    pane->btnQBTables->click();
    pane->btnQBForms->click();
    QV_VERIFY_PROMPTS(p);
}

void TestSourceAssists::loadTagList()
{
    TagListPane *pane = w->tagList;
    const QString misc = m_env.programFolder() + "/misc/";
    const QString message = TagList::libraryMessage;
    ScriptedPrompter p;

    // The shipped references load without a word.
    pane->btnQBCss->click();
    QCOMPARE(pane->mode(), TagListPane::Mode::Css);
    QVERIFY(pane->lstAllTags->count() > 100);
    pane->btnQBHtml->click();
    QCOMPARE(pane->mode(), TagListPane::Mode::Html);
    QVERIFY(pane->lstAllTags->count() > 100);
    QV_VERIFY_PROMPTS(p);

    // A missing file and one of 32,768 bytes: the list stays, the mode switches.
    const int before = pane->lstAllTags->count();
    QVERIFY(QFile::remove(misc + "cssRef.lib"));
    p.expect(Msg{message, "Assistant: Quorl", Prompter::Icon::Critical, Prompter::Buttons::Ok});
    pane->btnQBCss->click();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(pane->lstAllTags->count(), before);
    QCOMPARE(pane->mode(), TagListPane::Mode::Css);

    QFile big(misc + "htmlRef.lib");
    QVERIFY(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(32768 - 2, 'a') + "\r\n");
    big.close();
    p.expect(Msg{message, "Assistant: Quorl", Prompter::Icon::Critical, Prompter::Buttons::Ok});
    pane->btnQBHtml->click();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(pane->lstAllTags->count(), before);
    QCOMPARE(pane->mode(), TagListPane::Mode::Html);

    // One byte less loads; every line is an entry, empty ones included.
    QVERIFY(big.open(QIODevice::WriteOnly));
    big.write("a\r\n\r\nb\n" + QByteArray(32767 - 7 - 2, 'c') + "\r\n");
    big.close();
    pane->btnQBHtml->click();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(pane->lstAllTags->count(), 4);
    QCOMPARE(pane->lstAllTags->item(1)->text(), QString());
}

void TestSourceAssists::cssMode_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("result");
    QTest::newRow("property replaces the selection") << "color" << "xcolory";
    QTest::newRow("pseudo-class") << ":hover" << "x:hovery";
    QTest::newRow("capital") << "Text" << "xabcy";
    QTest::newRow("tag") << "<b>" << "xabcy";
    QTest::newRow("blank") << "" << "xabcy";
}

void TestSourceAssists::cssMode()
{
    QFETCH(QString, entry);
    QFETCH(QString, result);
    TagListPane *pane = w->tagList;
    pane->setMode(TagListPane::Mode::Css);
    pane->lstAllTags->clear();
    pane->lstAllTags->addItem(entry);
    pane->lstAllTags->setCurrentRow(0);
    select(w, "xabcy", 1, 3);
    emit pane->lstAllTags->itemDoubleClicked(pane->lstAllTags->item(0));
    QCOMPARE(w->area->text(), result);
}

void TestSourceAssists::autoRecognition_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("what");    // the question asked, if any
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("result");  // the text, the selection in brackets
    QTest::addColumn<QString>("opened");
    QTest::addColumn<int>("beeps");

    QTest::newRow("off") << false << "0123456789<tab" << "" << false << "0123456789<tab" << ""
                         << 0;
    QTest::newRow("10 before the caret") << true << "012345<TAB" << "" << false << "012345<TAB"
                                         << "" << 0;
    QTest::newRow("11, No") << true << "0123456<TAB" << "a table tag" << false << "0123456<TAB"
                            << "" << 0;
    QTest::newRow("11, Yes: table popup") << true << "0123456<TAB" << "a table tag" << true
                                          << "0123456" << "Visual Table" << 0;
    QTest::newRow("typing on past a tag asks nothing")
        << true << "0123456789<table>" << "" << false << "0123456789<table>" << "" << 0;
    QTest::newRow("row") << true << "0123456789<tr" << "a table row" << true << "0123456789"
                         << "frmrow" << 0;
    QTest::newRow("image") << true << "0123456789<IMG" << "an image tag" << true << "0123456789"
                           << "frmImage" << 0;
    QTest::newRow("input asks at its t") << true << "0123456789<input" << "a form element"
                                         << true << "0123456789" << "Hidden" << 0;
    QTest::newRow("hyperlink answered No") << true << "0123456789<a h" << "a hyperlink" << false << "0123456789<a h" << "" << 0;
    QTest::newRow("no offer while its command is off") << true << "0123456789<a h" << ""
                                                       << false << "0123456789<a h" << "" << 0;
    QTest::newRow("blockquote") << true << "0123456789<blo" << "" << false
                                << "0123456789<blo[ckquote>]" << "" << 0;
    QTest::newRow("blockquote end") << true << "0123456789</BL" << "" << false
                                    << "0123456789</BL[ockquote>]" << "" << 0;
    QTest::newRow("red beeps") << true << "<p color=\"r" << "" << false
                               << "<p color=\"r[ed\"]" << "" << 1;
    QTest::newRow("bgcolor") << true << "<p bgcolor=\"R" << "" << false
                             << "<p bgcolor=\"R[ed\"]" << "" << 1;
    QTest::newRow("typing over a completion") << true << "<p color=\"rx" << "" << false
                                              << "<p color=\"rx" << "" << 1;
    QTest::newRow("green") << true << "<p color=\"gre" << "" << false
                           << "<p color=\"gre[en\"]" << "" << 0;
    QTest::newRow("gray") << true << "<p color=\"gra" << "" << false
                          << "<p color=\"gra[y\"]" << "" << 0;
    QTest::newRow("gr alone") << true << "<p color=\"gr" << "" << false << "<p color=\"gr" << ""
                              << 0;
    QTest::newRow("black") << true << "<p color=\"bla" << "" << false
                           << "<p color=\"bla[ck\"]" << "" << 0;
    QTest::newRow("blue") << true << "<p color=\"blu" << "" << false
                          << "<p color=\"blu[e\"]" << "" << 0;
}

void TestSourceAssists::autoRecognition()
{
    QFETCH(bool, on);
    QFETCH(QString, typed);
    QFETCH(QString, what);
    QFETCH(bool, yes);
    QFETCH(QString, result);
    QFETCH(QString, opened);
    QFETCH(int, beeps);
    QVERIFY(!w->mnuAutoRecog->isChecked());
    if (on)
        w->mnuAutoRecog->trigger();
    QCOMPARE(w->mnuAutoRecog->isChecked(), on);
    QAction *hyperlink = Menus::find(w, "mnuHyperlink");
    const bool hyperlinkWas = hyperlink->isEnabled();
    if (QByteArray(QTest::currentDataTag()).startsWith("no offer"))
        hyperlink->setEnabled(false);
    const auto restore = qScopeGuard([=] { hyperlink->setEnabled(hyperlinkWas); });
    ScriptedPrompter p;
    if (!what.isEmpty())
        p.expect(question(what, yes ? Prompter::Answer::Yes : Prompter::Answer::No));
    // A pop-up menu is told by an item only it has.
    const bool popup = opened == "Visual Table" || opened == "Hidden";
    if (popup)
        p.expect(ScriptedPrompter::Popup{opened});
    QTest::keyClicks(w->area, typed);
    waitForTypingPause(w);
    QV_VERIFY_PROMPTS(p);
    QString shown = w->area->text();
    if (w->area->selLength() > 0)
        shown.insert(w->area->selStart() + w->area->selLength(), ']')
            .insert(w->area->selStart(), '[');
    QCOMPARE(shown, result);
    if (!opened.isEmpty() && !popup)
        QVERIFY(WindowDirectory::loaded(opened) && WindowDirectory::loaded(opened)->isVisible());
    QCOMPARE(m_beeps, beeps);
}

void TestSourceAssists::recognitionAsksOncePerTag()
{
    w->mnuAutoRecog->trigger();
    ScriptedPrompter p;
    p.expect(question("a bulletted list", Prompter::Answer::No));
    QTest::keyClicks(w->area, "0123456789<ul");
    waitForTypingPause(w);
    QV_VERIFY_PROMPTS(p);
    p.expect(question("an image tag", Prompter::Answer::Yes));
    // Taking the image tag away brings the list tag back before the caret;
    // it was answered already and is not asked about again.
    QTest::keyClicks(w->area, "<img");
    waitForTypingPause(w);
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(w->area->text(), QString("0123456789<ul"));
}

void TestSourceAssists::contextMenuUndoAsksNothing()
{
    w->mnuAutoRecog->trigger();
    ScriptedPrompter p;
    p.expect(question("an image tag", Prompter::Answer::Yes));
    QTest::keyClicks(w->area, "0123456789<img");
    waitForTypingPause(w);
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(w->area->text(), QString("0123456789"));
    // The right-click menu's Undo brings the tag back, as Ctrl+Z does,
    // without asking again.
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1));
    QCoreApplication::sendEvent(w->area, &menuKey);
    auto *menu = w->area->findChild<QMenu *>();
    QVERIFY(menu);
    auto *undo = menu->findChild<QAction *>("edit-undo");
    QVERIFY(undo && undo->isEnabled());
    undo->trigger();
    menu->close();
    QCOMPARE(w->area->text(), QString("0123456789<img"));
    waitForTypingPause(w);
    QV_VERIFY_PROMPTS(p);
}

void TestSourceAssists::findAndFindNext()
{
    const QString finished = "Quorl Vevevodi finished searching document";
    const Msg done{finished, "Quorl", Prompter::Icon::None, Prompter::Buttons::Ok};
    ScriptedPrompter p;
    select(w, "xaaaa <HTML>", 0, 0);
    auto find = [this](const QString &what, bool matchCase) {
        Menus::find(w, "mnuFind")->trigger();
        auto *dialog = qobject_cast<FindWindow *>(WindowDirectory::loaded("FindMe"));
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QString("Find : Quorl"));
        dialog->txtFind->setText(what);
        dialog->chkCase->setChecked(matchCase);
        dialog->OKButton->click();
        QVERIFY(!WindowDirectory::isLoaded("FindMe"));
    };

    find("aa", false);
    QCOMPARE(w->area->selStart(), 1);
    QCOMPARE(w->area->selLength(), 2);
    QCOMPARE(w->txtSearch, QString("aa"));
    Menus::find(w, "mnuFindNext")->trigger();
    QCOMPARE(w->area->selStart(), 2);
    Menus::find(w, "mnuFindNext")->trigger();
    QCOMPARE(w->area->selStart(), 3);
    // After the last one: the message, and the selection stays.
    p.expect(done);
    Menus::find(w, "mnuFindNext")->trigger();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(w->area->selStart(), 3);
    QCOMPARE(w->area->selLength(), 2);

    // Match Case, and an empty text, find nothing and keep the last search.
    p.expect(done);
    find("html", true);
    p.expect(done);
    find("", false);
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(w->txtSearch, QString("aa"));
    find("html", false);
    QCOMPARE(w->area->selStart(), 7);

    // Find Next compares exactly only while the dialog is open with Match Case.
    w->area->setSelStart(0);
    Menus::find(w, "mnuFind")->trigger();
    qobject_cast<FindWindow *>(WindowDirectory::loaded("FindMe"))->chkCase->setChecked(true);
    p.expect(done);
    Menus::find(w, "mnuFindNext")->trigger();
    QV_VERIFY_PROMPTS(p);
    WindowDirectory::loaded("FindMe")->close();
    QVERIFY(!WindowDirectory::isLoaded("FindMe"));
    Menus::find(w, "mnuFindNext")->trigger();
    QCOMPARE(w->area->selStart(), 7);
    Menus::find(w, "mnuFind")->trigger();
    qobject_cast<FindWindow *>(WindowDirectory::loaded("FindMe"))->CancelButton->click();
    QVERIFY(!WindowDirectory::isLoaded("FindMe"));
}

void TestSourceAssists::findNextKeyAfterFind()
{
    // The Edit menu looked at before anything was found must not leave F3
    // dead after a Find.
    select(w, "ab ab ab", 0, 0);
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w));
    emit w->findChild<QMenu *>("mnuEdit")->aboutToShow();
    Menus::find(w, "mnuFind")->trigger();
    auto *dialog = qobject_cast<FindWindow *>(WindowDirectory::loaded("FindMe"));
    QVERIFY(dialog);
    dialog->txtFind->setText("ab");
    dialog->OKButton->click();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->area->setFocus();
    QTest::keyClick(w->area, Qt::Key_F3);
    QCOMPARE(w->area->selStart(), 3);
    QTest::keyClick(w->area, Qt::Key_F3);
    QCOMPARE(w->area->selStart(), 6);
}

QTEST_MAIN(TestSourceAssists)
#include "tst_sourceassists.moc"
