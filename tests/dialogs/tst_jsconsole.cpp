#include "app/windowregistry.h"
#include "support/composerpage.h"
#include "dialogs/hyperlinkdialog.h"
#include "dialogs/imagedialog.h"
#include "dialogs/jsconsole.h"
#include "editor/openers.h"
#include "platform/sourcearea.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

using Input = ScriptedPrompter::Input;

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

JSConsole *openConsole()
{
    Openers::open({"JSConsole", {}, {}}, {});
    auto *console = qobject_cast<JSConsole *>(WindowDirectory::loaded("JSConsole"));
    if (console && !QTest::qWaitForWindowExposed(console))
        return nullptr;
    return console;
}

QStringList texts(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// Clicks the entry as the user does; false when the list has no such entry.
bool click(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
    return true;
}

// Names the field in the open field dialog and inserts it; false when the
// dialog or its controls are not there.
bool fillAndInsert(const QString &dialog, const QString &name)
{
    QWidget *window = WindowDirectory::loaded(dialog);
    auto *txtName = window ? window->findChild<QLineEdit *>("txtName") : nullptr;
    auto *insert = window ? window->findChild<QPushButton *>("btnInsert") : nullptr;
    if (insert == nullptr && window)
        insert = window->findChild<QPushButton *>("OKButton");
    if (!txtName || !insert)
        return false;
    txtName->setText(name);
    insert->click();
    return true;
}

const QString inputTitle = QStringLiteral("Quorl Vevevodi");

// The input boxes of each action, in the order they are asked.
QStringList questions(const QString &action)
{
    if (action == u"alert")
        return {"Enter the message that you would like to display"};
    if (action == u"open url")
        return {"Enter the URL to which you want to navigate"};
    if (action == u"confirm")
        return {"Enter the confirmation message"};
    if (action == u"prompt")
        return {"Enter the prompt message", "Enter the default text (Optional)"};
    return {};
}

// Picks the event, then the action, answering the action's input boxes.
void addHandler(JSConsole *console, const QString &event, const QString &action,
                const QList<std::optional<QString>> &answers = {})
{
    ScriptedPrompter prompts;
    for (qsizetype i = 0; i < answers.size(); ++i)
        prompts.expect(Input{questions(action).value(i), inputTitle, answers.at(i)});
    QVERIFY(click(console->theListOfEvents, event));
    QVERIFY(click(console->listToBeDone, action));
    QV_VERIFY_PROMPTS(prompts);
}

} // namespace

class TestJSConsole : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void scriptString_data();
    void scriptString();
    void actionTemplates_data();
    void actionTemplates();
    void elementTypes_data();
    void elementTypes();
    void presetOverridesOpenDialog_data();
    void presetOverridesOpenDialog();
    void submitExample();
    void fieldWholeElement_data();
    void fieldWholeElement();
    void hyperlinkWholeElement_data();
    void hyperlinkWholeElement();
    void imageStartTag();
    void inputsAndRefusals();
    void insertDifferentAndClose();
    void composerCommand();
    void screenshot();

private:
    TestEnv m_env;
};

void TestJSConsole::initTestCase()
{
    registerWindows();
}

void TestJSConsole::cleanup()
{
    WindowDirectory::unloadAll();
    flushDeletes();
}

void TestJSConsole::scriptString_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("escaped");
    QTest::newRow("apostrophe") << "It's" << "It\\'s";
    QTest::newRow("backslash") << "C:\\temp" << "C:\\\\temp";
    QTest::newRow("backslash before an apostrophe") << "\\'" << "\\\\\\'";
    QTest::newRow("double quote") << "say \"hi\"" << "say &quot;hi&quot;";
    QTest::newRow("ampersand, entity typed") << "a & b &quot;" << "a &amp; b &amp;quot;";
    QTest::newRow("markup") << "<b>1 > 0</b>" << "<b>1 > 0</b>";
}

void TestJSConsole::scriptString()
{
    QFETCH(QString, typed);
    QFETCH(QString, escaped);
    QCOMPARE(::scriptString(typed), escaped);
}

void TestJSConsole::actionTemplates_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<QString>("attribute");
    QTest::newRow("alert") << "alert" << "click" << "Hi" << "" << "onclick=\"alert('Hi')\" ";
    QTest::newRow("close window") << "close window" << "blur" << "" << ""
                                  << "onblur=\"window.close()\" ";
    QTest::newRow("confirm") << "confirm" << "submit" << "Sure?" << ""
                             << "onsubmit=\"confirm('Sure?')\" ";
    QTest::newRow("open url") << "open url" << "mouseOver" << "a.html?x=1&y='2'" << ""
                              << "onmouseOver=\"window.location='a.html?x=1&amp;y=\\'2\\''\" ";
    QTest::newRow("prompt") << "prompt" << "focus" << "Name" << ""
                            << "onfocus=\"prompt('Name')\"";
    QTest::newRow("prompt with default") << "prompt" << "keyPress" << "Name" << "Jo's"
                                         << "onkeyPress=\"prompt('Name','Jo\\'s')\"";
}

void TestJSConsole::actionTemplates()
{
    QFETCH(QString, action);
    QFETCH(QString, event);
    QFETCH(QString, typed);
    QFETCH(QString, defaultText);
    QFETCH(QString, attribute);
    QCOMPARE(handlerAttribute(action, event, typed, defaultText), attribute);
    QCOMPARE(actionQuestion(action), questions(action).value(0));
}

void TestJSConsole::elementTypes_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("option");
    // What the dialog writes into the code box for a field named "n"; empty
    // where the dialog needs more than a name.
    QTest::addColumn<QString>("code");
    QTest::newRow("Button") << "Button" << "click blur focus mouseDown mouseUp mouseOver"
                            << "formButton" << "radButton" << "<INPUT type=\"button\" name=\"n\" ";
    QTest::newRow("CheckBox") << "CheckBox" << "click blur focus" << "formRadChk"
                              << "radCheckbox" << "<INPUT type=\"checkbox\" name=\"n\" ";
    QTest::newRow("File Upload") << "File Upload" << "change blur focus" << "formFile" << ""
                                 << "<INPUT type=\"file\" name=\"n\" ";
    QTest::newRow("Form") << "Form" << "submit reset" << "formForm" << ""
                          << "<body><form name=\"n\" method=\"Get\" action=\"\" "
                             "target=\"_self\" ><input type=\"submit\" name=\"submit\">"
                             "</form></body>";
    QTest::newRow("Hyperlink")
        << "Hyperlink" << "click dblClick mouseDown mouseUp mouseOver mouseOut keyDown keyUp "
                          "keyPress" << "hyperlinks" << "" << "";
    QTest::newRow("Image") << "Image" << "abort error load keyDown keyUp keyPress"
                           << "frmImage" << "" << "";
    QTest::newRow("Password") << "Password" << "blur focus" << "formTextbox" << "radYes"
                              << "<INPUT type=\"password\" name=\"n\" ";
    QTest::newRow("Radio") << "Radio" << "click blur focus" << "formRadChk" << "radRadio"
                           << "<INPUT type=\"radio\" name=\"n\" ";
    QTest::newRow("Reset") << "Reset" << "click blur focus" << "formButton" << "radReset"
                           << "<INPUT type=\"reset\" name=\"n\" ";
    QTest::newRow("Submit") << "Submit" << "click blur focus" << "formButton" << "radSubmit"
                            << "<INPUT type=\"submit\" name=\"n\" ";
    QTest::newRow("TextArea") << "TextArea"
                              << "blur focus change select keyDown keyUp keyPress"
                              << "formTextArea" << ""
                              << "<TEXTAREA name=\"n\" >\r\n\r\n</TEXTAREA>";
    QTest::newRow("TextBox") << "TextBox" << "blur focus change select" << "formTextbox"
                             << "radNo" << "<INPUT type=\"text\" name=\"n\" ";
}

void TestJSConsole::elementTypes()
{
    QFETCH(QString, item);
    QFETCH(QString, events);
    QFETCH(QString, dialog);
    QFETCH(QString, option);
    QFETCH(QString, code);
    JSConsole *console = openConsole();
    QVERIFY(console);
    QCOMPARE(console->windowTitle(), QString("JavaScript Console : Quorl"));
    QCOMPARE(texts(console->listToBeDone),
             QStringList({"alert", "close window", "confirm", "open url", "prompt"}));
    QCOMPARE(texts(console->theListOfItems).size(), 12);
    QVERIFY(console->theListOfItems->isEnabled() && !console->theListOfEvents->isEnabled());

    QVERIFY(click(console->theListOfItems, item));
    QCOMPARE(texts(console->theListOfEvents), events.split(' '));
    QVERIFY(!console->theListOfItems->isEnabled());
    // Nothing written yet: the events wait for the tag.
    QVERIFY(!console->theListOfEvents->isEnabled());
    QWidget *opened = WindowDirectory::loaded(dialog);
    QVERIFY(opened && opened->isVisible());
    QCOMPARE(opened->property("compOrEdit").toString(), QString("jsc"));
    if (!option.isEmpty()) {
        const auto *preset = opened->findChild<QRadioButton *>(option);
        QVERIFY(preset && preset->isChecked());
    }
    if (code.isEmpty())
        return;
    QVERIFY(fillAndInsert(dialog, "n"));
    QVERIFY(!WindowDirectory::isLoaded(dialog));
    QCOMPARE(console->code(), code);
    QVERIFY(console->theListOfEvents->isEnabled());
}

void TestJSConsole::presetOverridesOpenDialog_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("then");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("code");
    QTest::newRow("Password, then TextBox")
        << "Password" << "TextBox" << "formTextbox" << "<INPUT type=\"text\" name=\"n\" ";
    QTest::newRow("Submit, then Button")
        << "Submit" << "Button" << "formButton" << "<INPUT type=\"button\" name=\"n\" ";
    QTest::newRow("Button, then Reset")
        << "Button" << "Reset" << "formButton" << "<INPUT type=\"reset\" name=\"n\" ";
    QTest::newRow("Radio, then CheckBox")
        << "Radio" << "CheckBox" << "formRadChk" << "<INPUT type=\"checkbox\" name=\"n\" ";
}

// The field dialog left open is taken up again: the new element type's
// option replaces the one chosen before.
void TestJSConsole::presetOverridesOpenDialog()
{
    QFETCH(QString, first);
    QFETCH(QString, then);
    QFETCH(QString, dialog);
    QFETCH(QString, code);
    JSConsole *console = openConsole();
    QVERIFY(console);
    QVERIFY(click(console->theListOfItems, first));
    const QPointer<QWidget> opened = WindowDirectory::loaded(dialog);
    QVERIFY(opened);
    console->btnIns->click();
    QVERIFY(click(console->theListOfItems, then));
    QCOMPARE(WindowDirectory::loaded(dialog), opened.data());
    QVERIFY(fillAndInsert(dialog, "n"));
    QCOMPARE(console->code(), code);
}

void TestJSConsole::submitExample()
{
    QVERIFY(ComposerPage::showAt("<html><body><p id=\"p\">one two</p></body></html>", 4));
    JSConsole *console = openConsole();
    QVERIFY(console);
    QVERIFY(click(console->theListOfItems, "Submit"));
    QVERIFY(fillAndInsert("formButton", "s"));
    QCOMPARE(console->code(), QString("<INPUT type=\"submit\" name=\"s\" "));
    QVERIFY(console->theListOfEvents->isEnabled());

    addHandler(console, "click", "alert", {"It's"});
    addHandler(console, "blur", "close window");
    QCOMPARE(texts(console->theListOfEvents), QStringList{"focus"});
    console->btnok->click();
    const QString element =
        "<INPUT type=\"submit\" name=\"s\" onclick=\"alert('It\\'s')\" "
        "onblur=\"window.close()\" >";
    QCOMPARE(console->code(), element);
    QVERIFY(!WindowDirectory::isLoaded("JSConsole"));
    QTRY_COMPARE(ComposerPage::value("(() => { const i = document.querySelector('input');"
                                     " return i ? i.getAttribute('onclick') + '|'"
                                     " + i.getAttribute('onblur') : ''; })()"),
                 QString("alert('It\\'s')|window.close()"));
}

void TestJSConsole::fieldWholeElement_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("event");  // empty: OK with no handler
    QTest::addColumn<QString>("element");
    // Whether to follow the element into the composer's page, which is slow
    // to load.
    QTest::addColumn<bool>("inComposer");
    const QString area = "<TEXTAREA name=\"%1\" %2>\r\n\r\n</TEXTAREA>";
    const QString form = "<body><form name=\"%1\" method=\"Get\" action=\"\" target=\"_self\" "
                         "%2><input type=\"submit\" name=\"submit\"></form></body>";
    QTest::newRow("text area, one handler")
        << "TextArea" << "m" << "focus" << area.arg("m", "onfocus=\"alert('a')\" ") << false;
    QTest::newRow("text area, no handler")
        << "TextArea" << "m" << "" << area.arg("m", "") << false;
    QTest::newRow("text area, '>' in the name")
        << "TextArea" << "a>b" << "focus" << area.arg("a>b", "onfocus=\"alert('a')\" ") << false;
    QTest::newRow("form, one handler")
        << "Form" << "f" << "submit" << form.arg("f", "onsubmit=\"alert('a')\" ") << true;
    QTest::newRow("form, no handler") << "Form" << "f" << "" << form.arg("f", "") << false;
    QTest::newRow("form, '>' in the name")
        << "Form" << "f>1" << "submit" << form.arg("f>1", "onsubmit=\"alert('a')\" ") << false;
}

// The whole element arrives with its start tag's ">" selected: the first
// handler takes its place and OK puts it back behind the last one.
void TestJSConsole::fieldWholeElement()
{
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(QString, event);
    QFETCH(QString, element);
    QFETCH(bool, inComposer);
    if (inComposer)
        QVERIFY(ComposerPage::showAt("<html><body><p id=\"p\">one two</p></body></html>", 4));
    JSConsole *console = openConsole();
    QVERIFY(console);
    QVERIFY(click(console->theListOfItems, item));
    QVERIFY(fillAndInsert(item == u"Form" ? "formForm" : "formTextArea", name));
    if (!event.isEmpty())
        addHandler(console, event, "alert", {"a"});
    console->btnok->click();
    QCOMPARE(console->code(), element);
    if (!inComposer)
        return;
    const QString tag = item == u"Form" ? "form" : "textarea";
    QTRY_COMPARE(ComposerPage::value(QString("(() => { const e = document.querySelector('%1');"
                                             " return e ? e.getAttribute('name') + '|'"
                                             " + e.getAttribute('on%2') : ''; })()")
                                         .arg(tag, event)),
                 QString("%1|alert('a')").arg(name));
}

void TestJSConsole::hyperlinkWholeElement_data()
{
    QTest::addColumn<QString>("screenTip");
    QTest::addColumn<bool>("handler");
    QTest::addColumn<QString>("element");
    QTest::newRow("one mouseOver alert")
        << "" << true << "<A rel=\"\" href=\"x.html\" onmouseOver=\"alert('a')\" >text</A>";
    QTest::newRow("no handler") << "" << false << "<A rel=\"\" href=\"x.html\" >text</A>";
    QTest::newRow("'>' in the screen tip")
        << "1 > 0" << true
        << "<A rel=\"\" href=\"x.html\" TITLE=\"1 > 0\" onmouseOver=\"alert('a')\" >text</A>";
}

void TestJSConsole::hyperlinkWholeElement()
{
    QFETCH(QString, screenTip);
    QFETCH(bool, handler);
    QFETCH(QString, element);
    QVERIFY(ComposerPage::showAt("<html><body><p id=\"p\">one two</p></body></html>", 4));
    JSConsole *console = openConsole();
    QVERIFY(console);
    QVERIFY(click(console->theListOfItems, "Hyperlink"));
    auto *link = qobject_cast<HyperlinkDialog *>(WindowDirectory::loaded("hyperlinks"));
    QVERIFY(link);
    link->txtLink->setText("x.html");
    link->txtTextToDisp->setText("text");
    link->txtScreentip->setText(screenTip);
    link->btnInsert->click();
    if (handler) {
        addHandler(console, "mouseOver", "alert", {"a"});
        QVERIFY(!texts(console->theListOfEvents).contains("mouseOver"));
    }
    console->btnok->click();
    QCOMPARE(console->code(), element);
    QTRY_COMPARE(ComposerPage::value("(() => { const a = document.querySelector('a');"
                                     " return a ? a.getAttribute('href') + '|'"
                                     " + a.getAttribute('onmouseover') + '|'"
                                     " + a.textContent : ''; })()"),
                 QString("x.html|%1|text").arg(handler ? "alert('a')" : "null"));
}

void TestJSConsole::imageStartTag()
{
    JSConsole *console = openConsole();
    QVERIFY(console);
    QVERIFY(click(console->theListOfItems, "Image"));
    auto *image = qobject_cast<ImageDialog *>(WindowDirectory::loaded("frmImage"));
    QVERIFY(image);
    image->txtSource->setText("p.gif");
    image->btnInsert->click();
    QCOMPARE(console->code(), QString("<IMG src=\"p.gif\" align=\"Left\" Border=\"0\" "));
    addHandler(console, "load", "prompt", {"Name", QString()});
    console->btnok->click();
    QCOMPARE(console->code(),
             QString("<IMG src=\"p.gif\" align=\"Left\" Border=\"0\" onload=\"prompt('Name')\">"));
}

void TestJSConsole::inputsAndRefusals()
{
    JSConsole *console = openConsole();
    QVERIFY(console);
    QVERIFY(click(console->theListOfItems, "TextBox"));
    const QString tag = "<INPUT type=\"text\" name=\"q\" ";
    console->setSelText(tag);

    {
        // An action with no event chosen only asks for one.
        ScriptedPrompter prompts;
        prompts.expect(ScriptedPrompter::Message{"Please select an event first",
                                                 "Assistant: Quorl",
                                                 Prompter::Icon::Exclamation});
        QVERIFY(click(console->listToBeDone, "alert"));
        QV_VERIFY_PROMPTS(prompts);
        QCOMPARE(console->code(), tag);
    }
    // Cancel, or an empty message, adds nothing and keeps the event.
    addHandler(console, "focus", "confirm", {std::nullopt});
    addHandler(console, "focus", "open url", {QString()});
    QCOMPARE(console->code(), tag);
    QCOMPARE(texts(console->theListOfEvents).size(), 4);

    // A typed quote cannot end the attribute early.
    addHandler(console, "focus", "confirm", {"Say \"yes\""});
    QCOMPARE(console->code(), tag + "onfocus=\"confirm('Say &quot;yes&quot;')\" ");
    // The used event is not left chosen for the next action.
    {
        ScriptedPrompter prompts;
        prompts.expect(ScriptedPrompter::Message{"Please select an event first",
                                                 "Assistant: Quorl",
                                                 Prompter::Icon::Exclamation});
        QVERIFY(click(console->listToBeDone, "close window"));
        QV_VERIFY_PROMPTS(prompts);
    }
    QCOMPARE(texts(console->theListOfEvents), QStringList({"blur", "change", "select"}));
}

void TestJSConsole::insertDifferentAndClose()
{
    SourceWindow *quorl = Quorl();
    JSConsole *console = openConsole();
    QVERIFY(console);
    QVERIFY(click(console->theListOfItems, "Image"));
    console->setSelText("<IMG ");
    console->btnIns->click();
    QCOMPARE(console->code(), QString());
    QVERIFY(console->theListOfItems->isEnabled() && !console->theListOfEvents->isEnabled());
    QCOMPARE(texts(console->theListOfEvents).size(), 6);
    // The image dialog, taken over by the source window, is no longer the console's.
    Openers::open({"frmImage", {{"compOrEdit", "edit"}}, {}}, {});

    QVERIFY(click(console->theListOfItems, "Hyperlink"));
    QCOMPARE(texts(console->theListOfEvents).size(), 9);
    QPointer<QWidget> link = WindowDirectory::loaded("hyperlinks");
    QVERIFY(link);
    console->btnCancel->click();
    flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("JSConsole"));
    QVERIFY(!WindowDirectory::isLoaded("hyperlinks") && !link);
    QVERIFY(WindowDirectory::isLoaded("frmImage"));
    QCOMPARE(quorl->area->text(), QString());
}

void TestJSConsole::composerCommand()
{
    ComposerWindow *composer = Composr();
    auto *command = composer->findChild<QAction *>("mnuJavaScriptCons");
    QVERIFY(command && command->isEnabled());
    command->trigger();
    QWidget *console = WindowDirectory::loaded("JSConsole");
    QVERIFY(console && console->isVisible());
    QVERIFY(qobject_cast<JSConsole *>(console));
}

void TestJSConsole::screenshot()
{
    const QString path = qEnvironmentVariable("QV_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("set QV_SCREENSHOT to a file name to take the picture");
    JSConsole *console = openConsole();
    QVERIFY(console);
    QVERIFY(click(console->theListOfItems, "TextBox"));
    QVERIFY(fillAndInsert("formTextbox", "user"));
    addHandler(console, "focus", "alert", {"Welcome"});
    console->raise();
    QTest::qWait(300);
    QVERIFY(console->grab().save(path));
}

QTEST_MAIN(TestJSConsole)
#include "tst_jsconsole.moc"
