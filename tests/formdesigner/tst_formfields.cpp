// The HTML form field dialogs and their designer variants: the builders as
// tables, the routes into the real main windows and a stand-in console, the
// name check, the list editor and the designer's staging view.

#include "app/windowregistry.h"
#include "support/composerpage.h"
#include "dialogs/fakeconsole.h"
#include "editor/helpwindow.h"
#include "editor/menubuilder.h"
#include "editor/openers.h"
#include "editor/sourcewindow.h"
#include "formdesigner/buttondialog.h"
#include "formdesigner/designerwindow.h"
#include "formdesigner/fieldlistdialog.h"
#include "formdesigner/fieldsetdialog.h"
#include "formdesigner/filefielddialog.h"
#include "formdesigner/formtagdialog.h"
#include "formdesigner/hiddenfielddialog.h"
#include "formdesigner/optionbuttondialog.h"
#include "formdesigner/textareadialog.h"
#include "formdesigner/textboxdialog.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>

using Msg = ScriptedPrompter::Message;
using Icon = Prompter::Icon;
using Fill = QList<QPair<QString, QVariant>>;
Q_DECLARE_METATYPE(FieldStyle)
Q_DECLARE_METATYPE(Fill)

namespace {

const QStringList kDialogs = {
    "formTextbox", "formTextArea", "formList", "formForm", "formButton", "formRadChk",
    "formFile", "formFieldset", "formHidden", "OformTextbox", "OformTextArea", "OformList",
    "OformButton", "OformRadChk", "OformFile", "OformFieldset", "OformHidden", "JSConsole"};

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The button that confirms the dialog.
QPushButton *confirm(QWidget *dialog)
{
    if (auto *insert = dialog->findChild<QPushButton *>("btnInsert"))
        return insert;
    return dialog->findChild<QPushButton *>("OKButton");
}

QWidget *openWith(const QString &name, const QString &target, const Fill &fill)
{
    QWidget *dialog = WindowDirectory::touch(name);
    if (!target.isNull())
        Openers::write(dialog, "compOrEdit", target);
    for (const auto &[field, value] : fill) {
        if (!Openers::write(dialog, field, value))
            qWarning("no field %s", qPrintable(field));
    }
    return dialog;
}

} // namespace

class TestFormFields : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void style_data();
    void style();
    void builders_data();
    void builders();
    void delivery_data();
    void delivery();
    void formArrivesInComposer();
    void nameCheck_data();
    void nameCheck();
    void designerStaging_data();
    void designerStaging();
    void styleSwitch_data();
    void styleSwitch();
    void numberBoxes_data();
    void numberBoxes();
    void listEditorMoves_data();
    void listEditorMoves();
    void listEditorAddRemoveClear();
    void designerPointBox();
    void fieldsetAlignment();
    void buttonEnterInserts();
    void helpPages_data();
    void helpPages();
    void optionButtonHelp();
    void mainWindowCommands();
    void screenshot();

private:
    TestEnv m_env;
};

void TestFormFields::initTestCase()
{
    registerWindows();
    WindowDirectory::registerWindow("JSConsole", [] { return new FakeConsole; });
}

void TestFormFields::cleanup()
{
    // The main windows and the designer stay loaded: they are slow to make.
    // A shown main window would draw the other's insertions, so it goes.
    QStringList names = kDialogs;
    if (WindowDirectory::loaded("Composr") && Composr()->isVisible())
        names << "Composr" << "Quorl";
    for (const QString &name : std::as_const(names))
        WindowDirectory::unload(name);
    flushDeletes();
}

void TestFormFields::style_data()
{
    QTest::addColumn<FieldStyle>("style");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("declarations");

    const auto with = [](auto change) {
        FieldStyle s;
        change(s);
        return s;
    };
    QTest::newRow("none colours") << with([](FieldStyle &s) { s.font = "Arial"; })
                                  << "background-color" << "font-family:Arial;font-size:14;";
    QTest::newRow("emptied colour boxes")
        << with([](FieldStyle &s) { s.colour = s.background = ""; }) << "background-color"
        << "color:;background-color:;font-family:;font-size:14;";
    QTest::newRow("empty font") << FieldStyle() << "background-color"
                                << "font-family:;font-size:14;";
    QTest::newRow("background-color")
        << with([](FieldStyle &s) { s.background = "#00FF00"; }) << "background-color"
        << "background-color:#00FF00;font-family:;font-size:14;";
    QTest::newRow("background")
        << with([](FieldStyle &s) { s.background = "silver"; }) << "background"
        << "background:silver;font-family:;font-size:14;";
    QTest::newRow("bold and italic, typed values")
        << with([](FieldStyle &s) {
               s.colour = "Red"; s.font = "My Font"; s.size = "2em"; s.bold = s.italic = true;
           })
        << "background-color"
        << "color:Red;font-family:My Font;font-size:2em;font-weight:bold;font-style:italic;";
    QTest::newRow("border before the font, no size")
        << with([](FieldStyle &s) {
               s.colour = "red"; s.background = "blue"; s.border = true; s.font = "Arial";
               s.size.reset();
           })
        << "background"
        << "color:red;background:blue;border-style:solid;font-family:Arial;";
    QTest::newRow("nothing declared")
        << with([](FieldStyle &s) { s.font.reset(); s.size.reset(); }) << "background" << "";
}

void TestFormFields::style()
{
    QFETCH(FieldStyle, style);
    QFETCH(QString, background);
    QFETCH(QString, declarations);
    QCOMPARE(fieldStyle(style, background), declarations);
    QCOMPARE(styleAttribute(style, background),
             declarations.isEmpty() ? QString() : " style=\"" + declarations + "\"");
    QCOMPARE(styleAttribute(std::nullopt, background), QString());
}

void TestFormFields::builders_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("html");

    FieldStyle arialBold;
    arialBold.colour = "red";
    arialBold.font = "Arial";
    arialBold.bold = true;
    QTest::newRow("text box") << textBoxHtml({.name = "user"})
                              << "<INPUT type=\"text\" name=\"user\">";
    QTest::newRow("text box, every attribute in order")
        << textBoxHtml({"a", "v", "5", "9", "3", true, true, arialBold})
        << "<INPUT type=\"password\" name=\"a\" value=\"v\" size=\"5\" maxlength=\"9\" "
           "tabindex=\"3\" readonly=\"readonly\" "
           "style=\"color:red;font-family:Arial;font-size:14;font-weight:bold;\">";
    QTest::newRow("text box, readonly after tabindex")
        << textBoxHtml({.name = "user", .tabIndex = "2", .readOnly = true})
        << "<INPUT type=\"text\" name=\"user\" tabindex=\"2\" readonly=\"readonly\">";
    FieldStyle arial;
    arial.font = "Arial";
    QTest::newRow("text box, style with none colours")
        << textBoxHtml({.name = "user", .style = arial})
        << "<INPUT type=\"text\" name=\"user\" style=\"font-family:Arial;font-size:14;\">";
    QTest::newRow("password for the console")
        << textBoxHtml({.name = "user", .password = true}, " ")
        << "<INPUT type=\"password\" name=\"user\" ";
    QTest::newRow("values as typed")
        << textBoxHtml({.name = "a\"b", .value = "<x> & y"})
        << "<INPUT type=\"text\" name=\"a\"b\" value=\"<x> & y\">";

    QTest::newRow("text area")
        << textAreaHtml({.name = "msg", .text = "Hi", .cols = "30", .rows = "4"})
        << "<TEXTAREA name=\"msg\" cols=\"30\" rows=\"4\">\r\nHi\r\n</TEXTAREA>";
    FieldStyle reduced;
    reduced.colour = "red";
    reduced.border = true;
    reduced.size.reset();
    QTest::newRow("text area, one merged style")
        << textAreaHtml({.name = "msg", .style = reduced})
        << "<TEXTAREA name=\"msg\" style=\"color:red;border-style:solid;font-family:;\">"
           "\r\n\r\n</TEXTAREA>";
    FieldStyle full;
    full.background = "yellow";
    full.italic = true;
    QTest::newRow("text area, full style, tabindex")
        << textAreaHtml({.name = "t", .tabIndex = "1", .style = full})
        << "<TEXTAREA name=\"t\" tabindex=\"1\" "
           "style=\"background:yellow;font-family:;font-size:14;font-style:italic;\">"
           "\r\n\r\n</TEXTAREA>";
    QTest::newRow("text area for the console")
        << textAreaHtml({.name = "m", .text = "a > b"}, " >")
        << "<TEXTAREA name=\"m\" >\r\na > b\r\n</TEXTAREA>";

    QTest::newRow("list") << fieldListHtml({.name = "city", .points = {"A", "B"}})
                          << "<SELECT name=city>\r\n<OPTION>A\r\n<OPTION>B\r\n</SELECT>";
    QTest::newRow("list, size, tabindex, multiple, no points")
        << fieldListHtml({"city", "3", "1", true, {}})
        << "<SELECT name=city size=3 tabindex=\"1\" MULTIPLE>\r\n</SELECT>";
    QTest::newRow("list, empty point") << fieldListHtml({.name = "c", .points = {"", "B"}})
                                       << "<SELECT name=c>\r\n<OPTION>\r\n<OPTION>B\r\n</SELECT>";

    QTest::newRow("form") << formTagHtml({.name = "f1"})
                          << "<form name=\"f1\" method=\"Get\" action=\"\" target=\"_self\">"
                             "<input type=\"submit\" name=\"submit\"></form>";
    QTest::newRow("form for the console, typed target")
        << formTagHtml({"f", "Post", "a.cgi", "frame1"}, " >")
        << "<form name=\"f\" method=\"Post\" action=\"a.cgi\" target=\"frame1\" >"
           "<input type=\"submit\" name=\"submit\"></form>";

    QTest::newRow("submit button") << buttonHtml({.type = "submit", .name = "go"})
                                   << "<INPUT type=\"submit\" name=\"go\">";
    QTest::newRow("button, value and tabindex")
        << buttonHtml({"button", "b", "Press", "4"})
        << "<INPUT type=\"button\" name=\"b\" value=\"Press\" tabindex=\"4\">";
    QTest::newRow("reset for the console") << buttonHtml({.type = "reset", .name = "r"}, " ")
                                           << "<INPUT type=\"reset\" name=\"r\" ";
    QTest::newRow("option, checked last")
        << optionButtonHtml({"radio", "r", "1", "2", true})
        << "<INPUT type=\"radio\" name=\"r\" value=\"1\" tabindex=\"2\" checked>";
    QTest::newRow("check box") << optionButtonHtml({.name = "c"})
                               << "<INPUT type=\"checkbox\" name=\"c\">";
    QTest::newRow("file") << fileFieldHtml({"up", "c.txt", "20", "5"})
                          << "<INPUT type=\"file\" name=\"up\" value=\"c.txt\" size=\"20\" "
                             "tabindex=\"5\">";
    QTest::newRow("fieldset without caption") << fieldsetHtml({"", "Right"})
                                              << "<FIELDSET> </FIELDSET>";
    QTest::newRow("fieldset with caption")
        << fieldsetHtml({"Who", "Right"})
        << "<FIELDSET><LEGEND align=\"Right\">Who</LEGEND> </FIELDSET>";
    QTest::newRow("fieldset, no alignment chosen")
        << fieldsetHtml({"Who", ""}) << "<FIELDSET><LEGEND align=\"\">Who</LEGEND> </FIELDSET>";
    QTest::newRow("hidden, empty value") << hiddenFieldHtml({"id", ""})
                                         << "<input type=\"hidden\" value=\"\" name=\"id\">";
}

void TestFormFields::builders()
{
    QFETCH(QString, built);
    QFETCH(QString, html);
    QCOMPARE(built, html);
}

void TestFormFields::delivery_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("target");
    QTest::addColumn<Fill>("fill");
    // Where the text goes: s source, c composer, j console, - nowhere.
    QTest::addColumn<QChar>("route");
    QTest::addColumn<QString>("text");
    // The console's selection afterwards, and whether its box got the focus.
    QTest::addColumn<qsizetype>("selected");
    QTest::addColumn<bool>("focused");

    struct Kind {
        const char *dialog;
        Fill fill;
        QString html;      // by the source route
        QString staged;    // by the composer route
        QString console;
        const char *routes;  // for "edit", "comp", "jsc", "" and "Edit"
        qsizetype selected;
        bool focused;
    };
    const QString form = "<form name=\"f\" method=\"Get\" action=\"\" target=\"_self\">"
                         "<input type=\"submit\" name=\"submit\"></form>";
    const QString hidden = "<input type=\"hidden\" value=\"\" name=\"id\">";
    const QString area = "<TEXTAREA name=\"m\">\r\n\r\n</TEXTAREA>";
    const QList<Kind> kinds = {
        {"formTextbox", {{"txtName", "user"}, {"radYes", true}},
         "<INPUT type=\"password\" name=\"user\">", "<INPUT type=\"password\" name=\"user\">",
         "<INPUT type=\"password\" name=\"user\" ", "scj--", -1, false},
        {"formTextArea", {{"txtName", "m"}}, area, area,
         "<TEXTAREA name=\"m\" >\r\n\r\n</TEXTAREA>", "scj--", 19, true},
        {"formList", {{"txtName", "c"}}, "<SELECT name=c>\r\n</SELECT>",
         "<SELECT name=c>\r\n</SELECT>", "", "scccc", -1, false},
        {"formForm", {{"txtName", "f"}}, form, "<body>" + form + "</body>",
         "<body><form name=\"f\" method=\"Get\" action=\"\" target=\"_self\" >"
         "<input type=\"submit\" name=\"submit\"></form></body>",
         "scj--", 59, false},
        {"formButton", {{"txtName", "go"}, {"radSubmit", true}},
         "<INPUT type=\"submit\" name=\"go\">", "<INPUT type=\"submit\" name=\"go\">",
         "<INPUT type=\"submit\" name=\"go\" ", "scj--", -1, false},
        {"formRadChk", {{"txtName", "r"}, {"radRadio", true}, {"chkChecked", true}},
         "<INPUT type=\"radio\" name=\"r\" checked>", "<INPUT type=\"radio\" name=\"r\" checked>",
         "<INPUT type=\"radio\" name=\"r\" checked ", "scj--", -1, false},
        {"formFile", {{"txtName", "up"}}, "<INPUT type=\"file\" name=\"up\">",
         "<INPUT type=\"file\" name=\"up\">", "<INPUT type=\"file\" name=\"up\" ", "scj--", -1,
         false},
        {"formFieldset", {{"txtCaption", "Who"}},
         "<FIELDSET><LEGEND align=\"Left\">Who</LEGEND> </FIELDSET>",
         "<FIELDSET><LEGEND align=\"Left\">Who</LEGEND> </FIELDSET>", "", "scccc", -1, false},
        {"formHidden", {{"txtName", "id"}}, hidden, "<body>" + hidden + "</body>", "", "scsss",
         -1, false},
    };
    const QStringList targets = {"edit", "comp", "jsc", QString(), "Edit"};
    for (const Kind &k : kinds) {
        for (qsizetype t = 0; t < targets.size(); ++t) {
            const QChar route = QLatin1Char(k.routes[t]);
            const QString text = route == u's'   ? k.html
                                 : route == u'c' ? k.staged
                                 : route == u'j' ? k.console
                                                 : QString();
            QTest::addRow("%s %s", k.dialog, qPrintable(targets.at(t).isNull() ? "unwritten"
                                                                              : targets.at(t)))
                << QString(k.dialog) << targets.at(t) << k.fill << route << text
                << (route == u'j' ? k.selected : qsizetype(-1)) << (route == u'j' && k.focused);
        }
    }
}

void TestFormFields::delivery()
{
    QFETCH(QString, dialog);
    QFETCH(QString, target);
    QFETCH(Fill, fill);
    QFETCH(QChar, route);
    QFETCH(QString, text);
    QFETCH(qsizetype, selected);
    QFETCH(bool, focused);

    // Both main windows loaded and hidden, so each route ends where it points.
    Quorl()->area->setText(QString());
    const qsizetype staged = Composr()->stagedInsertions().size();
    FakeConsole *console = FakeConsole::touch();

    QWidget *window = openWith(dialog, target, fill);
    confirm(window)->click();
    QVERIFY(!WindowDirectory::isLoaded(dialog));

    QCOMPARE(Quorl()->area->text(), route == u's' ? text : QString());
    const QStringList inComposer = Composr()->stagedInsertions();
    QCOMPARE(inComposer.size(), staged + (route == u'c' ? 1 : 0));
    if (route == u'c')
        QCOMPARE(inComposer.last(), text);
    QCOMPARE(console->code(), route == u'j' ? text : QString());
    QCOMPARE(console->selection.first, selected);
    QCOMPARE(console->selection.second, selected < 0 ? -1 : 1);
    QCOMPARE(console->focused, focused);
}

void TestFormFields::formArrivesInComposer()
{
    // The body-wrapped form goes in at the caret like any other insertion.
    for (const char *name : {"Composr", "Quorl"})
        WindowDirectory::unload(name);
    flushDeletes();
    QVERIFY(ComposerPage::showAt("<html><body><p id=\"p\">one two</p></body></html>", 4));
    Menus::find(Composr(), "mnuInsForm")->trigger();
    auto *dialog = qobject_cast<FormTagDialog *>(WindowDirectory::loaded("formForm"));
    QVERIFY(dialog && dialog->isVisible());
    dialog->txtName->setText("f1");
    dialog->txtAction->setText("send.cgi");
    dialog->OKButton->click();
    QVERIFY(!WindowDirectory::isLoaded("formForm"));
    QTRY_COMPARE(ComposerPage::value("(() => { const f = document.querySelector('form');"
                                     " return f ? [f.name, f.getAttribute('action'),"
                                     " f.querySelector('input').type,"
                                     " document.body.textContent].join('|') : ''; })()"),
                 QString("f1|send.cgi|submit|one two"));
}

void TestFormFields::nameCheck_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<Icon>("icon");

    for (const char *name : {"formTextbox", "formTextArea", "formButton", "formRadChk",
                             "formFile", "OformTextbox", "OformTextArea", "OformButton",
                             "OformRadChk", "OformFile"})
        QTest::newRow(name) << name << "A valid name was not found" << "Assistant: Quorl"
                            << Icon::Exclamation;
    for (const char *name : {"formList", "OformList"})
        QTest::newRow(name) << name << "A valid name has not been entered"
                            << "Assistant: Quorl" << Icon::Exclamation;
    QTest::newRow("formForm") << "formForm" << "Please enter a valid name" << "Field Missing"
                              << Icon::Exclamation;
    for (const char *name : {"formHidden", "OformHidden"})
        QTest::newRow(name) << name << "Invalid name" << "Quorl" << Icon::None;
}

void TestFormFields::nameCheck()
{
    QFETCH(QString, dialog);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(Icon, icon);

    Quorl()->area->setText(QString());
    auto *window = qobject_cast<FormFieldDialog *>(openWith(dialog, "edit", {}));
    Openers::showWindow(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    confirm(window)->setFocus();
    {
        ScriptedPrompter prompts;
        prompts.expect(Msg{message, title, icon});
        confirm(window)->click();
        QV_VERIFY_PROMPTS(prompts);
    }
    QCOMPARE(WindowDirectory::loaded(dialog), window);
    QVERIFY(window->isVisible());
    QTRY_VERIFY(window->txtName->hasFocus());

    // Once named, the same Insert delivers and closes.
    QTest::keyClicks(window->txtName, "n");
    confirm(window)->click();
    QVERIFY(!WindowDirectory::isLoaded(dialog));
    if (!window->isDesigner())
        QVERIFY(Quorl()->area->text().contains("name"));
}

void TestFormFields::designerStaging_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<Fill>("preset");
    QTest::addColumn<Fill>("fill");
    QTest::addColumn<QString>("staged");

    QTest::newRow("text box") << "mnuTextBox" << "OformTextbox" << Fill() << Fill{{"txtName", "q"}}
                              << "<input type=\"text\" name=\"q\">";
    QTest::newRow("text area") << "mnuTextArea" << "OformTextArea" << Fill()
                               << Fill{{"txtName", "t"}, {"txtDefault", "Hi"}}
                               << "<textarea name=\"t\">Hi\n</textarea>";
    QTest::newRow("button") << "mnuButton" << "OformButton" << Fill{{"radButton", true}}
                            << Fill{{"txtName", "b"}} << "<input type=\"button\" name=\"b\">";
    QTest::newRow("radio") << "mnuRadio" << "OformRadChk" << Fill{{"radRadio", true}}
                           << Fill{{"txtName", "r"}} << "<input type=\"radio\" name=\"r\">";
    QTest::newRow("check box") << "mnuCheckBox" << "OformRadChk" << Fill{{"radCheckbox", true}}
                               << Fill{{"txtName", "c"}} << "<input type=\"checkbox\" name=\"c\">";
    QTest::newRow("list box") << "mnuList" << "OformList" << Fill{{"txtSize", "5"}}
                              << Fill{{"txtName", "l"}}
                              << "<select name=\"l\" size=\"5\">\n</select>";
    QTest::newRow("drop down") << "mnuDropDown" << "OformList" << Fill{{"txtSize", ""}}
                               << Fill{{"txtName", "d"}} << "<select name=\"d\">\n</select>";
    QTest::newRow("fieldset") << "mnuFieldSet" << "OformFieldset" << Fill()
                              << Fill{{"txtCaption", "Who"}}
                              << "<fieldset><legend align=\"Left\">Who</legend> </fieldset>";
    QTest::newRow("file") << "mnuBrowseBox" << "OformFile" << Fill() << Fill{{"txtName", "f"}}
                          << "<input type=\"file\" name=\"f\">";
    QTest::newRow("hidden") << "mnuHidden" << "OformHidden" << Fill() << Fill{{"txtName", "h"}}
                            << "<input type=\"hidden\" value=\"\" name=\"h\">";
}

void TestFormFields::designerStaging()
{
    QFETCH(QString, item);
    QFETCH(QString, dialog);
    QFETCH(Fill, preset);
    QFETCH(Fill, fill);
    QFETCH(QString, staged);

    Quorl()->area->setText("untouched");
    const qsizetype inComposer = Composr()->stagedInsertions().size();
    DesignerWindow *designer = ombrel();
    Menus::find(designer, item)->trigger();
    QWidget *window = WindowDirectory::loaded(dialog);
    QVERIFY(window && window->isVisible());
    for (const auto &[field, value] : preset) {
        if (auto *option = window->findChild<QRadioButton *>(field))
            QCOMPARE(option->isChecked(), value.toBool());
        else
            QCOMPARE(window->findChild<QLineEdit *>(field)->text(), value.toString());
    }
    // The variant never reads its target.
    openWith(dialog, "edit", fill);
    confirm(window)->click();
    QVERIFY(!WindowDirectory::isLoaded(dialog));
    QTRY_COMPARE(TestEngine::body(designer->tagbar), staged);
    QCOMPARE(Quorl()->area->text(), QString("untouched"));
    QCOMPARE(Composr()->stagedInsertions().size(), inComposer);
}

void TestFormFields::styleSwitch_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QStringList>("switched");

    const QStringList full = {"cmbcolour", "cmbbgcolour", "listFont", "cmbFontSize", "chkBold",
                              "chkItalics", "btnColour", "btnBGColour"};
    QTest::newRow("formTextbox") << "formTextbox" << "chkUseStyle" << full;
    QTest::newRow("OformTextbox") << "OformTextbox" << "chkUseStyle" << full;
    QTest::newRow("OformTextArea") << "OformTextArea" << "chkUseStyle"
                                   << full + QStringList{"chkBorder"};
    QTest::newRow("formTextArea") << "formTextArea" << "chkUseStyleTextarea"
                                  << QStringList{"cmbcolour", "cmbbgcolour", "listFont",
                                                 "chkBorder"};
}

void TestFormFields::styleSwitch()
{
    QFETCH(QString, dialog);
    QFETCH(QString, check);
    QFETCH(QStringList, switched);

    QWidget *window = WindowDirectory::touch(dialog);
    auto *use = window->findChild<QCheckBox *>(check);
    QVERIFY(use && !use->isChecked());
    auto *colour = window->findChild<QComboBox *>("cmbcolour");
    QCOMPARE(colour->currentText(), QString("none"));
    QCOMPARE(colour->count(), 17);
    for (bool on : {false, true, false}) {
        use->setChecked(on);
        for (const QString &name : switched)
            QVERIFY2(window->findChild<QWidget *>(name)->isEnabled() == on, qPrintable(name));
    }
    // Tab goes down the group, each colour box's button after it.
    if (auto *button = window->findChild<QWidget *>("btnColour")) {
        use->setChecked(true);
        if (auto *advanced = window->findChild<QCheckBox *>("chkAdvanced"))
            advanced->setChecked(true);
        Openers::showWindow(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        colour->setFocus();
        QTRY_VERIFY(colour->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), button);
        QTest::keyClick(button, Qt::Key_Tab);
        QTRY_VERIFY(window->findChild<QWidget *>("cmbbgcolour")->hasFocus());
        use->setChecked(false);
    }
    // Values chosen stay, but an unticked group writes no style.
    colour->setEditText("red");
    QCOMPARE(colour->currentText(), QString("red"));
    if (auto *box = qobject_cast<TextBoxDialog *>(window))
        QVERIFY(!box->values().style);
}

void TestFormFields::numberBoxes_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("checked");
    QTest::newRow("text area lines") << "formTextArea" << "txtLines" << true;
    QTest::newRow("text area width") << "formTextArea" << "txtWidth" << true;
    QTest::newRow("list size") << "formList" << "txtSize" << true;
    QTest::newRow("list tab index") << "formList" << "txtTab" << true;
    QTest::newRow("button tab index") << "formButton" << "txtTab" << true;
    QTest::newRow("file tab index") << "formFile" << "txtTab" << true;
    QTest::newRow("text box max length") << "formTextbox" << "txtMaxLen" << false;
    QTest::newRow("designer button tab index") << "OformButton" << "txtTab" << false;
    QTest::newRow("designer list size") << "OformList" << "txtSize" << false;
    QTest::newRow("designer text area lines") << "OformTextArea" << "txtLines" << false;
}

void TestFormFields::numberBoxes()
{
    QFETCH(QString, dialog);
    QFETCH(QString, field);
    QFETCH(bool, checked);
    auto *box = WindowDirectory::touch(dialog)->findChild<QLineEdit *>(field);
    ScriptedPrompter prompts;
    if (checked)
        prompts.expect(Msg{"Please enter only valid numerical data", "Assistant: Quorl",
                           Icon::Exclamation});
    QTest::keyClicks(box, "1x");
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(box->text(), checked ? QString() : QString("1x"));
}

void TestFormFields::listEditorMoves_data()
{
    QTest::addColumn<bool>("up");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("points");
    QTest::addColumn<int>("selectedAfter");
    const QStringList abc = {"A", "B", "C"};
    QTest::newRow("up on the first") << true << 0 << abc << 0;
    QTest::newRow("down on the last") << false << 2 << abc << 2;
    QTest::newRow("up, nothing selected") << true << -1 << abc << -1;
    QTest::newRow("down, nothing selected") << false << -1 << abc << -1;
    QTest::newRow("up") << true << 2 << QStringList{"A", "C", "B"} << 1;
    QTest::newRow("down") << false << 0 << QStringList{"B", "A", "C"} << 1;
}

void TestFormFields::listEditorMoves()
{
    QFETCH(bool, up);
    QFETCH(int, selected);
    QFETCH(QStringList, points);
    QFETCH(int, selectedAfter);
    for (const char *name : {"formList", "OformList"}) {
        auto *list = WindowDirectory::touch<FieldListDialog>(name);
        list->listPoints->addItems({"A", "B", "C"});
        if (selected >= 0)
            list->listPoints->setCurrentRow(selected);
        (up ? list->btnUp : list->btnDown)->click();
        QCOMPARE(list->values().points, points);
        const QList<QListWidgetItem *> chosen = list->listPoints->selectedItems();
        QCOMPARE(chosen.isEmpty() ? -1 : list->listPoints->row(chosen.first()), selectedAfter);
    }
}

void TestFormFields::listEditorAddRemoveClear()
{
    auto *list = WindowDirectory::touch<FieldListDialog>("formList");
    auto *entry = qobject_cast<QLineEdit *>(list->txtPoints);
    QTest::keyClicks(entry, "One");
    QTest::keyClick(entry, Qt::Key_Return);
    list->btnAdd->click();   // an empty point
    QCOMPARE(list->values().points, QStringList({"One", ""}));
    QCOMPARE(entry->text(), QString());

    {
        ScriptedPrompter prompts;
        prompts.expect(Msg{"No point selected to remove", "Assistant: Quorl", Icon::Exclamation});
        list->btnRemove->click();
        QV_VERIFY_PROMPTS(prompts);
    }
    list->listPoints->setCurrentRow(0);
    list->btnRemove->click();
    QCOMPARE(list->values().points, QStringList({""}));

    ScriptedPrompter prompts;
    const Msg question{"Are you sure you wish to clear the list?", "Assistant: Quorl",
                       Icon::Question, Prompter::Buttons::YesNo, Prompter::Answer::No,
                       Prompter::Answer::No};
    prompts.expect(question);
    Msg yes = question;
    yes.answer = Prompter::Answer::Yes;
    prompts.expect(yes);
    list->btnClear->click();
    QCOMPARE(list->listPoints->count(), 1);
    list->btnClear->click();
    QCOMPARE(list->listPoints->count(), 0);
    QV_VERIFY_PROMPTS(prompts);
}

void TestFormFields::designerPointBox()
{
    auto *list = WindowDirectory::touch<FieldListDialog>("OformList");
    auto *box = qobject_cast<QPlainTextEdit *>(list->txtPoints);
    QVERIFY(box);
    QTest::keyClicks(box, "North");
    // Enter with the caret inside the text still takes the whole text.
    QTextCursor caret = box->textCursor();
    caret.setPosition(2);
    box->setTextCursor(caret);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "South");
    QTest::keyClick(box, Qt::Key_Enter);
    QCOMPARE(list->values().points, QStringList({"North", "South"}));
    QCOMPARE(box->toPlainText(), QString());
}

void TestFormFields::fieldsetAlignment()
{
    auto *fieldset = WindowDirectory::touch<FieldsetDialog>("formFieldset");
    QCOMPARE(fieldset->listAlign->currentRow(), 0);
    QVERIFY(!fieldset->listAlign->isEnabled());
    fieldset->txtCaption->setText("Who");
    QVERIFY(fieldset->listAlign->isEnabled());
    fieldset->listAlign->setCurrentRow(1);
    QCOMPARE(fieldset->values().align, QString("Right"));
    fieldset->txtCaption->clear();
    QVERIFY(!fieldset->listAlign->isEnabled());

    // Cancel delivers nothing.
    Quorl()->area->setText(QString());
    fieldset->compOrEdit = "edit";
    fieldset->CancelButton->click();
    QVERIFY(!WindowDirectory::isLoaded("formFieldset"));
    QCOMPARE(Quorl()->area->text(), QString());
}

void TestFormFields::buttonEnterInserts()
{
    Quorl()->area->setText(QString());
    auto *button = qobject_cast<ButtonDialog *>(openWith("formButton", "edit", {}));
    button->txtName->setText("go");
    QTest::keyClick(button->txtValue, Qt::Key_Return);
    QVERIFY(!WindowDirectory::isLoaded("formButton"));
    QCOMPARE(Quorl()->area->text(), QString("<INPUT type=\"button\" name=\"go\">"));
}

void TestFormFields::helpPages_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("caption");
    QTest::newRow("text box") << "formTextbox" << "textbox.qhp" << "Show Help";
    QTest::newRow("text area") << "formTextArea" << "textarea.qhp" << "Show Help";
    QTest::newRow("list") << "formList" << "list.qhp" << "Help";
    QTest::newRow("form") << "formForm" << "forms.qhp" << "Help";
    QTest::newRow("button") << "formButton" << "button.qhp" << "Help";
    QTest::newRow("file") << "formFile" << "fileUpload.qhp" << "Help";
    QTest::newRow("fieldset") << "formFieldset" << "fieldset.qhp" << "Help";
    QTest::newRow("hidden") << "formHidden" << "hidden.qhp" << "Help";
}

void TestFormFields::helpPages()
{
    QFETCH(QString, dialog);
    QFETCH(QString, page);
    QFETCH(QString, caption);
    QDir(m_env.programFolder()).mkpath("misc");
    QFile file(QDir(m_env.programFolder()).filePath("misc/" + page));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Help on " + page.toUtf8());
    file.close();
    auto *help = WindowDirectory::touch(dialog)->findChild<QPushButton *>("btnHelp");
    QCOMPARE(help->text(), caption);
    help->click();
    QVERIFY(frmHelp()->isVisible());
    QVERIFY(frmHelp()->txtHelp->toPlainText().contains("Help on " + page));
    if (WindowDirectory::isRegistered("O" + dialog))
        QVERIFY(!WindowDirectory::touch("O" + dialog)->findChild<QPushButton *>("btnHelp"));
    WindowDirectory::unload("frmHelp");
}

void TestFormFields::optionButtonHelp()
{
    auto *dialog = WindowDirectory::touch<OptionButtonDialog>("formRadChk");
    ScriptedPrompter prompts;
    prompts.expect(Msg{OptionButtonDialog::txtHelp, "Help: Quorl Vevevodi", Icon::Information});
    dialog->btnHelp->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(OptionButtonDialog::txtHelp.count("\n\n"), 3);
}

void TestFormFields::mainWindowCommands()
{
    // Registering the dialogs enables their commands in both main windows.
    for (QWidget *window : {static_cast<QWidget *>(Quorl()), static_cast<QWidget *>(Composr())})
        for (const char *name : {"mnuTextBox", "mnuPassword", "mnuTextArea", "mnuButton",
                                 "mnuSubmit", "mnuReset", "mnuRadio", "mnuCheckBox",
                                 "mnuFieldSet", "mnuHidden"})
            QVERIFY2(Menus::find(window, name)->isEnabled(), name);
    for (const char *name : {"mnuiForm", "mnuDropDown", "mnuFileUpload"})
        QVERIFY2(Menus::find(Quorl(), name)->isEnabled(), name);
    for (const char *name : {"mnuInsForm", "mnuList", "mnuInsFile"})
        QVERIFY2(Menus::find(Composr(), name)->isEnabled(), name);

    Menus::find(Quorl(), "mnuPassword")->trigger();
    auto *box = qobject_cast<TextBoxDialog *>(WindowDirectory::loaded("formTextbox"));
    QVERIFY(box && box->isVisible());
    QCOMPARE(box->windowTitle(), QString("Insert Password Box : Quorl"));
    QVERIFY(box->radYes->isChecked());
    QCOMPARE(box->compOrEdit, QString("edit"));
    Menus::find(Composr(), "mnuReset")->trigger();
    auto *button = qobject_cast<ButtonDialog *>(WindowDirectory::loaded("formButton"));
    QVERIFY(button && button->radReset->isChecked());
    QCOMPARE(button->compOrEdit, QString("comp"));

    // The designer's element buttons are usable too.
    for (QPushButton *b : ombrel()->toolbar->findChildren<QPushButton *>())
        QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
}

void TestFormFields::screenshot()
{
    // QV_SCREENSHOT names a file to keep the picture in.
    QString path = qEnvironmentVariable("QV_SCREENSHOT");
    if (path.isEmpty())
        path = m_env.scratch("textbox.png");
    Menus::find(Quorl(), "mnuTextBox")->trigger();
    auto *box = qobject_cast<TextBoxDialog *>(WindowDirectory::loaded("formTextbox"));
    box->txtName->setText("email");
    box->txtSize->setText("30");
    box->style.chkUseStyle->click();
    box->style.cmbcolour->setEditText("navy");
    box->style.chkBold->click();
    QVERIFY(QTest::qWaitForWindowExposed(box));
    QTest::qWait(300);
    const QImage picture = box->grab().toImage();
    QVERIFY(picture.save(path));
    QVERIFY(picture.width() > 200 && picture.height() > 200);
}

QTEST_MAIN(TestFormFields)
#include "tst_formfields.moc"
