// The keyboard as a user meets it: the program's windows on a real X display
// of their own (an Xvfb started before the application), keys sent by
// xdotool through the X server, never posted to widgets by the test.

#include "app/windowregistry.h"
#include "editor/menubuilder.h"
#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "support/files.h"
#include "support/recordingdialog.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "support/xdisplay.h"
#include "vevevodi/composerwindow.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using Msg = ScriptedPrompter::Message;

namespace {

XDisplay *g_display = nullptr;

Msg question(const QString &what, Prompter::Answer answer)
{
    return Msg{"This looks like " + what + ". Would you like Quorl to assist you?",
               "Assistant: Quorl", Prompter::Icon::Question, Prompter::Buttons::YesNo, answer,
               Prompter::Answer::No};
}

// True once the page of the composer shows text; its text otherwise.
bool pageShows(ComposerWindow *composer, const QString &text, QString *shown)
{
    return TestEngine::waitUntil([&] {
        const auto body = composer->txtComp->evaluate("document.body.innerText");
        *shown = body ? body->toString() : QString();
        return shown->contains(text);
    }, 10000);
}

} // namespace

class TestRealKeys : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void assistWaitsForATypingPause();
    void undoAndRedoAskNothing();
    void findNextNeedsAFind();
    void composerTakesTheKeyboard_data();
    void composerTakesTheKeyboard();
    void sourceTakesTheKeyboardBack();
    void keysTypedDuringTheSwitchArrive_data();
    void keysTypedDuringTheSwitchArrive();
    void everyKeyTypedDuringTheSwitchActs_data();
    void everyKeyTypedDuringTheSwitchActs();

private:
    // The source window shown, in front and with the keyboard, holding text.
    bool showSource(const QString &text);
    bool type(const QString &text);
    bool key(const QString &key);
    void waitForTypingPause();
    // The composer shown, in front and with the keyboard, with this page.
    bool showComposer(const QString &page);
    // The view that F2 leaves, in front and with the keyboard, after the
    // composer showed first, as at start.
    bool showViewLeft(bool source, const QString &page);

    TestEnv m_env;
    SourceWindow *w = nullptr;
};

void TestRealKeys::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
    registerWindows();
    WindowDirectory::registerWindow("frmImage", [] { return new RecordingDialog; });
}

void TestRealKeys::cleanup()
{
    TestEnv::unloadWindows();
}

bool TestRealKeys::showSource(const QString &text)
{
    w = Quorl();
    w->area->setText(text);
    w->area->setSelStart(w->area->textLength());
    w->show();
    if (!QTest::qWaitForWindowExposed(w) || !g_display->focusWindow(w->winId()))
        return false;
    w->area->setFocus();
    return QTest::qWaitForWindowActive(w) && TestEngine::waitUntil([&] {
        return QApplication::focusWidget() == w->area;
    });
}

bool TestRealKeys::type(const QString &text)
{
    return g_display->xdotool({"type", "--delay", "20", text}).has_value();
}

bool TestRealKeys::key(const QString &key)
{
    return g_display->xdotool({"key", key}).has_value();
}

void TestRealKeys::waitForTypingPause()
{
    const auto *pause = w->findChild<QTimer *>("assistPause");
    QTRY_VERIFY(!pause || !pause->isActive());
}

void TestRealKeys::assistWaitsForATypingPause()
{
    QVERIFY(showSource("0123456789"));
    w->mnuAutoRecog->trigger();
    ScriptedPrompter p;
    // Typed in one go, the tags' names pass without a question.
    const QString typed = "<input name=\"q\"> <table border=1> <img src=x>";
    QVERIFY(type(typed));
    QTRY_COMPARE(w->area->text(), "0123456789" + typed);
    waitForTypingPause();
    QV_VERIFY_PROMPTS(p);
    // A pause after a tag's name asks, once; No keeps what was typed.
    p.expect(question("a table tag", Prompter::Answer::No));
    QVERIFY(type(" <tab"));
    QTRY_VERIFY(p.allAnswered());
    waitForTypingPause();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(w->area->text(), "0123456789" + typed + " <tab");
    // A caret moved away during the pause asks nothing.
    QVERIFY(g_display->xdotool({"key", "--delay", "20", "space", "less", "u", "l", "Left"}));
    QTRY_COMPARE(w->area->selStart(), w->area->textLength() - 1);
    waitForTypingPause();
    QV_VERIFY_PROMPTS(p);
    // Neither does a text area the keyboard left for another window.
    QVERIFY(g_display->xdotool({"key", "--delay", "20", "End", "space", "less", "o", "l",
                                "ctrl+f"}));
    QTRY_VERIFY(WindowDirectory::loaded("FindMe"));
    QTRY_VERIFY(w->area->text().endsWith(" <ol"));
    waitForTypingPause();
    QV_VERIFY_PROMPTS(p);
}

void TestRealKeys::undoAndRedoAskNothing()
{
    QVERIFY(showSource("0123456789"));
    w->mnuAutoRecog->trigger();
    ScriptedPrompter p;
    p.expect(question("an image tag", Prompter::Answer::Yes));
    QVERIFY(type("<img"));
    QTRY_VERIFY(p.allAnswered());
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(w->area->text(), QString("0123456789"));
    QVERIFY(WindowDirectory::loaded("frmImage"));
    WindowDirectory::unload("frmImage");
    QVERIFY(g_display->focusWindow(w->winId()));
    QTRY_VERIFY(QApplication::focusWidget() == w->area);
    // Undo takes the answer back: the tag returns, and nothing asks again.
    QVERIFY(key("ctrl+z"));
    QTRY_COMPARE(w->area->text(), QString("0123456789<img"));
    waitForTypingPause();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(key("ctrl+shift+z"));
    QTRY_COMPARE(w->area->text(), QString("0123456789"));
    QVERIFY(key("ctrl+z"));
    QTRY_COMPARE(w->area->text(), QString("0123456789<img"));
    waitForTypingPause();
    QV_VERIFY_PROMPTS(p);
}

void TestRealKeys::findNextNeedsAFind()
{
    QVERIFY(showSource("ab ab ab"));
    w->area->setSelStart(0);
    // F3 before any Find does nothing at all.
    ScriptedPrompter p;
    QVERIFY(key("F3"));
    QVERIFY(type("x"));
    QTRY_COMPARE(w->area->text(), QString("xab ab ab"));
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(w->area->selStart(), 1);
    QVERIFY(!w->mnuFindNext->isEnabled());
}

void TestRealKeys::composerTakesTheKeyboard_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("F2") << "F2";
    QTest::newRow("File > Vevevodi") << "file";
    QTest::newRow("View > Vevevodi") << "view";
}

void TestRealKeys::composerTakesTheKeyboard()
{
    QFETCH(QString, how);
    // As at start: the composer shows first, and F2 goes to the source.
    Quorl()->area->setText("<html><body><p id=\"p\">page</p></body></html>");
    ShowVevevodi();
    ComposerWindow *composer = Composr();
    QVERIFY(QTest::qWaitForWindowExposed(composer));
    QVERIFY(TestEngine::settle(composer->txtComp));
    QVERIFY(g_display->focusWindow(composer->winId()));
    QVERIFY(key("F2"));
    w = Quorl();
    QTRY_VERIFY(w->isVisible() && !composer->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(w));
    if (how == "F2") {
        QVERIFY(key("F2"));
    } else if (how == "view") {
        QVERIFY(key("alt+v"));
        QTRY_VERIFY(w->mnuView->isVisible());
        QVERIFY(key("v"));
    } else {
        // The item has no key of its own: the mouse takes it.
        QVERIFY(key("alt+f"));
        QTRY_VERIFY(w->mnuFile->isVisible());
        const QPoint at =
            w->mnuFile->mapToGlobal(w->mnuFile->actionGeometry(w->mnuVevevodi).center());
        QVERIFY(g_display->xdotool({"mousemove", "--sync", QString::number(at.x()),
                                    QString::number(at.y())}));
        QVERIFY(g_display->xdotool({"click", "1"}));
    }
    QTRY_VERIFY(composer->isVisible() && !w->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(composer));
    QVERIFY(TestEngine::settle(composer->txtComp));
    // Once the page has loaded, the user types at once, without a click.
    QVERIFY(type("typed"));
    QString shown;
    QVERIFY2(pageShows(composer, "typed", &shown), qPrintable(shown));
}

void TestRealKeys::sourceTakesTheKeyboardBack()
{
    // The user switches to the composer while a dialog the source window
    // opened has the keyboard, confirms it there, and comes back with F2.
    QVERIFY(showSource("<html><body>page</body></html>"));
    w->area->setSelStart(0);
    Menus::find(w, "mnuMetaGen")->trigger();
    QWidget *dialog = WindowDirectory::loaded("MetaGen");
    QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
    dialog->move(w->geometry().center());  // with no window manager, off the menu bar
    QVERIFY(g_display->focusWindow(dialog->winId()));
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    // The mouse takes the source window's View > Vevevodi.
    const auto click = [](const QPoint &at) {
        return g_display->xdotool({"mousemove", "--sync", QString::number(at.x()),
                                   QString::number(at.y())})
            && g_display->xdotool({"click", "1"});
    };
    QMenuBar *bar = w->menuBar();
    QVERIFY(click(bar->mapToGlobal(bar->actionGeometry(w->mnuView->menuAction()).center())));
    QTRY_VERIFY(w->mnuView->isVisible());
    QVERIFY(click(w->mnuView->mapToGlobal(
        w->mnuView->actionGeometry(Menus::find(w, "mnuViewVevevodi")).center())));
    ComposerWindow *composer = Composr();
    QVERIFY(QTest::qWaitForWindowExposed(composer));
    QVERIFY(TestEngine::settle(composer->txtComp));
    WindowDirectory::unload("MetaGen");
    QVERIFY(g_display->focusWindow(composer->winId()));
    QVERIFY(QTest::qWaitForWindowActive(composer));
    QVERIFY(key("F2"));
    QTRY_VERIFY(w->isVisible() && !composer->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(w));
    // The keys typed at once go into the text, not into the tag search.
    QVERIFY(type("typed"));
    QTRY_VERIFY2(w->area->text().contains("typed"),
                 qPrintable(QApplication::focusWidget()
                                ? QApplication::focusWidget()->objectName()
                                : QString("no focus")));
}

void TestRealKeys::keysTypedDuringTheSwitchArrive_data()
{
    QTest::addColumn<bool>("toComposer");
    QTest::newRow("to the composer") << true;
    QTest::newRow("to the source") << false;
}

bool TestRealKeys::showComposer(const QString &page)
{
    Quorl()->area->setText(page);
    ShowVevevodi();
    ComposerWindow *composer = Composr();
    return QTest::qWaitForWindowExposed(composer) && TestEngine::settle(composer->txtComp)
        && g_display->focusWindow(composer->winId()) && QTest::qWaitForWindowActive(composer);
}

bool TestRealKeys::showViewLeft(bool source, const QString &page)
{
    if (!showComposer(page))
        return false;
    if (!source)
        return true;
    ComposerWindow *composer = Composr();
    return key("F2")
        && TestEngine::waitUntil([&] { return Quorl()->isVisible() && !composer->isVisible(); })
        && showSource(page);
}

void TestRealKeys::keysTypedDuringTheSwitchArrive()
{
    QFETCH(bool, toComposer);
    const QString page = "<html><body><p>page</p></body></html>";
    ComposerWindow *composer = Composr();
    QVERIFY(showViewLeft(toComposer, page));
    // F2 and the typing in one go: the keys come while the views change.
    QVERIFY(g_display->xdotool({"key", "F2", "type", "--delay", "20", "quick"}));
    w = Quorl();
    QTRY_VERIFY(composer->isVisible() == toComposer && w->isVisible() != toComposer);
    if (toComposer) {
        QVERIFY(TestEngine::settle(composer->txtComp));
        QString shown;
        QVERIFY2(pageShows(composer, "quick", &shown), qPrintable(shown));
    } else {
        QTRY_VERIFY2(w->area->text().contains("quick"), qPrintable(w->area->text()));
    }
}

void TestRealKeys::everyKeyTypedDuringTheSwitchActs_data()
{
    // The keys typed right after F2; what the view shown then reads (a
    // pattern), and what it must not.
    QTest::addColumn<bool>("toComposer");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("reads");
    QTest::addColumn<QString>("readsNot");
    const struct {
        const char *name;
        QStringList keys;
        QString reads;
        QString readsNot;
    } rows[] = {
        {"Return", {"o", "n", "e", "Return", "t", "w", "o"}, "one\\r?\\n+two", "onetwo"},
        {"arrows", {"o", "n", "e", "Left", "Left", "x"}, "oxne", "onex"},
        {"Backspace, Delete", {"q", "w", "e", "r", "Left", "Left", "BackSpace", "Delete"},
         "qr", "[we]r|q[we]"},
        {"Home, End", {"a", "b", "Home", "c", "End", "d"}, "cab[^\\n]*d(\\r?\\n|$)", "abcd"},
        {"Ctrl+Z", {"x", "y", "z", "ctrl+z", "q"}, "q", "xyz"},
    };
    for (const auto &row : rows) {
        for (const bool toComposer : {true, false}) {
            QTest::addRow("to the %s: %s", toComposer ? "composer" : "source", row.name)
                << toComposer << row.keys << row.reads << row.readsNot;
        }
    }
}

void TestRealKeys::everyKeyTypedDuringTheSwitchActs()
{
    QFETCH(bool, toComposer);
    QFETCH(QStringList, keys);
    QFETCH(QString, reads);
    QFETCH(QString, readsNot);
    const QString page = "<html><body><p>page</p></body></html>";
    ComposerWindow *composer = Composr();
    QVERIFY(showViewLeft(toComposer, page));
    // F2 and the keys at once: all of them are typed before the views change.
    QVERIFY(g_display->xdotool(QStringList{"key", "--delay", "0", "F2"} + keys));
    w = Quorl();
    QTRY_VERIFY(composer->isVisible() == toComposer && w->isVisible() != toComposer);
    const auto shown = [&] {
        if (!toComposer)
            return w->area->text();
        const auto body = composer->txtComp->evaluate("document.body.innerText");
        return body ? body->toString() : QString();
    };
    const QRegularExpression wanted(reads);
    QString text;
    QVERIFY2(TestEngine::waitUntil([&] { return wanted.match(text = shown()).hasMatch(); },
                                   10000),
             qPrintable(text));
    QTest::qWait(300);  // a key that went astray would show by now
    text = shown();
    QVERIFY2(!text.contains(QRegularExpression(readsNot)), qPrintable(text));
}

int main(int argc, char *argv[])
{
    XDisplay display;
    const QString failure = display.start();
    if (!failure.isEmpty()) {
        qCritical("%s", qPrintable(failure));
        return 1;
    }
    g_display = &display;
    qputenv("DISPLAY", display.name().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestRealKeys test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_realkeys.moc"
