#include "app/windowregistry.h"
#include "dialogs/colourbutton.h"
#include "dialogs/dialogframe.h"
#include "dialogs/insertroute.h"
#include "dialogs/numberfield.h"
#include "editor/openers.h"
#include "editor/sourcewindow.h"
#include "platform/sourcearea.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using InsertRoute::Route;

// A dialog with nothing of its own, under any dialog's name.
class Probe : public DialogFrame
{
    Q_OBJECT

public:
    explicit Probe(const QString &name) : DialogFrame(name, QStringLiteral("Probe")) {}
    using DialogFrame::cancelButton;
    using DialogFrame::colourBoxButton;
    using DialogFrame::colourTextButton;
    using DialogFrame::comboBox;
    using DialogFrame::spinner;
    using DialogFrame::textField;
};

// The form of the dialogs whose target field is named txtCompOrEdit.
class ProbeTxt : public DialogFrame
{
    Q_OBJECT
    Q_PROPERTY(QString txtCompOrEdit MEMBER compOrEdit)

public:
    ProbeTxt() : DialogFrame(QStringLiteral("BMBoxProps"), QStringLiteral("Probe")) {}
};

class FakeConsole : public QWidget, public ConsoleCode
{
    Q_OBJECT

public:
    QString code() const override { return m_code; }
    void setCode(const QString &text) override { m_code = text; }
    void setSelText(const QString &text) override { m_code += text; }
    qsizetype selStart() const override { return m_code.size(); }
    void select(qsizetype, qsizetype) override {}
    void focusCode() override {}

private:
    QString m_code;
};

namespace {

QChar letter(Route route)
{
    switch (route) {
    case Route::Source: return u'S';
    case Route::Composer: return u'C';
    case Route::Console: return u'K';
    case Route::Nothing: return u'-';
    }
    return u'?';
}

// The colour the colour dialog hands back for a 32-bit value, red in the low byte.
QColor fromColorValue(quint32 value)
{
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

} // namespace

class TestDialogFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void routeTable_data();
    void routeTable();
    void hiddenViewGivesWay_data();
    void hiddenViewGivesWay();
    void insertHtmlBySourceRoute();
    void insertHtmlFollowsTheShowingWindow();
    void consoleRoute();
    void txtCompOrEditIsTheTargetToo();
    void topmostOnLoad();
    void closeBoxAndCancelUnload();
    void colourText_data();
    void colourText();
    void colourButtonCancel();
    void numberValue_data();
    void numberValue();
    void spinner_data();
    void spinner();
    void spinnerButtons();
    void halfTypedNumbersBuildNothing_data();
    void halfTypedNumbersBuildNothing();

private:
    TestEnv m_env;
};

void TestDialogFrame::init()
{
    // Afresh for each test: one stands a probe in for a dialog.
    registerWindows();
    WindowDirectory::registerWindow("JSConsole", [] { return new FakeConsole; });
}

void TestDialogFrame::cleanup()
{
    TestEnv::unloadWindows();
}

void TestDialogFrame::routeTable_data()
{
    QTest::addColumn<QString>("dialog");
    // The route for "edit", "comp", "jsc", "" and "Edit", in that order.
    QTest::addColumn<QString>("routes");
    for (const char *name : {"table", "rule", "heading", "styleText", "marquee", "ListURLs",
                             "formFieldset", "formList", "frmFont", "visTbl", "NavListURLs"})
        QTest::newRow(name) << name << "SCCCC";
    QTest::newRow("highlight") << "highlight" << "SSSSS";
    QTest::newRow("hyperlinks") << "hyperlinks" << "SCK--";
    QTest::newRow("frmImage") << "frmImage" << "SKKKK";
    for (const char *name : {"formTextbox", "formTextArea", "formButton", "formRadChk",
                             "formFile", "formForm"})
        QTest::newRow(name) << name << "SCK--";
    for (const char *name : {"formHidden", "prewizard", "BMBoxProps", "LManager", "MetaGen",
                             "styleSheetWiz", "mail"})
        QTest::newRow(name) << name << "SCSSS";
    for (const char *name : {"frmrow", "rollover", "CursorArrow", "bullets"})
        QTest::newRow(name) << name << "SSSSS";
    for (const char *name : {"JSConsole", "pageProps", "loading"})
        QTest::newRow(name) << name << "CCCCC";
}

void TestDialogFrame::routeTable()
{
    QFETCH(QString, dialog);
    QFETCH(QString, routes);
    QVERIFY(InsertRoute::hasPolicy(dialog));
    QString got;
    for (const char *target : {"edit", "comp", "jsc", "", "Edit"})
        got += letter(InsertRoute::pick(InsertRoute::policyOf(dialog), target));
    QCOMPARE(got, routes);
}

void TestDialogFrame::hiddenViewGivesWay_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<bool>("sourceShowing");
    QTest::addColumn<bool>("composerShowing");
    QTest::addColumn<Route>("expected");
    QTest::newRow("source hidden, composer showing")
        << Route::Source << false << true << Route::Composer;
    QTest::newRow("composer hidden, source showing")
        << Route::Composer << true << false << Route::Source;
    QTest::newRow("source showing") << Route::Source << true << false << Route::Source;
    QTest::newRow("composer showing") << Route::Composer << false << true << Route::Composer;
    QTest::newRow("both showing") << Route::Source << true << true << Route::Source;
    QTest::newRow("neither showing") << Route::Composer << false << false << Route::Composer;
    QTest::newRow("console") << Route::Console << false << true << Route::Console;
    QTest::newRow("nothing") << Route::Nothing << true << false << Route::Nothing;
}

void TestDialogFrame::hiddenViewGivesWay()
{
    QFETCH(Route, route);
    QFETCH(bool, sourceShowing);
    QFETCH(bool, composerShowing);
    QFETCH(Route, expected);
    QCOMPARE(InsertRoute::visibleRoute(route, sourceShowing, composerShowing), expected);
}

void TestDialogFrame::insertHtmlBySourceRoute()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("<p>ab</p>");
    quorl->area->setSelStart(4);
    quorl->area->setSelLength(1);
    Probe dialog("table");
    dialog.compOrEdit = "edit";
    dialog.InsertHtml("<hr>");
    QCOMPARE(quorl->area->text(), QString("<p>a<hr></p>"));
    QCOMPARE(quorl->area->selStart(), 8);
    QCOMPARE(quorl->star, QString("*"));
}

void TestDialogFrame::insertHtmlFollowsTheShowingWindow()
{
    ComposerWindow *composer = Composr();
    SourceWindow *quorl = Quorl();
    quorl->area->setText("x");

    // Opened from the source window, confirmed after switching to the composer.
    composer->show();
    quorl->hide();
    Probe fromSource("table");
    fromSource.compOrEdit = "edit";
    fromSource.InsertHtml("<b>");
    QCOMPARE(composer->stagedInsertions(), QStringList{"<b>"});
    QCOMPARE(quorl->area->text(), QString("x"));
    QV_TRY_VERIFY(composer->stagedInsertions().isEmpty());

    // And the other way round; an unwritten target means the composer.
    quorl->show();
    composer->hide();
    Probe unwritten("table");
    unwritten.InsertHtml("<i>");
    QVERIFY(composer->stagedInsertions().isEmpty());
    QCOMPARE(quorl->area->text(), QString("<i>x"));

    // With both hidden the target decides.
    quorl->hide();
    unwritten.InsertHtml("<u>");
    QCOMPARE(composer->stagedInsertions(), QStringList{"<u>"});
}

void TestDialogFrame::consoleRoute()
{
    auto *console = WindowDirectory::touch<FakeConsole>("JSConsole");
    console->setCode("<A ");
    Quorl()->show();
    Probe field("formTextbox");
    field.compOrEdit = "jsc";
    field.InsertHtml("<INPUT type=\"text\" ");
    QCOMPARE(console->code(), QString("<A <INPUT type=\"text\" "));

    // A form field dialog given a target nobody writes inserts nothing.
    field.compOrEdit = "Edit";
    field.InsertHtml("<INPUT>");
    QCOMPARE(console->code(), QString("<A <INPUT type=\"text\" "));
    QCOMPARE(Quorl()->area->text(), QString());
}

void TestDialogFrame::txtCompOrEditIsTheTargetToo()
{
    ProbeTxt box;
    QVERIFY(Openers::write(&box, "txtCompOrEdit", "comp"));
    QCOMPARE(box.compOrEdit, QString("comp"));
    QCOMPARE(box.route(), Route::Composer);
}

void TestDialogFrame::topmostOnLoad()
{
    Probe rule("rule");
    rule.load();
    QVERIFY(rule.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    Probe table("table");
    table.load();
    QVERIFY(!table.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestDialogFrame::closeBoxAndCancelUnload()
{
    WindowDirectory::registerWindow("rule", [] { return new Probe("rule"); });
    QWidget *dialog = WindowDirectory::touch("rule");
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QPointer<QWidget> watch = dialog;
    dialog->close();
    QVERIFY(!WindowDirectory::isLoaded("rule"));
    TestEnv::flushDeletes();
    QVERIFY(watch.isNull());

    auto *again = static_cast<Probe *>(WindowDirectory::touch("rule"));
    QVERIFY(again);
    QPushButton *cancel = again->cancelButton();
    QCOMPARE(cancel->objectName(), QString("CancelButton"));
    QCOMPARE(cancel->text(), QString("Cancel"));
    again->compOrEdit = "edit";
    cancel->click();
    QVERIFY(!WindowDirectory::isLoaded("rule"));
    QCOMPARE(Quorl()->area->text(), QString());
}

void TestDialogFrame::colourText_data()
{
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("red") << quint32(255) << "#FF0000";
    QTest::newRow("blue") << quint32(16711680) << "#0000FF";
    QTest::newRow("dark green, short hex") << quint32(32768) << "#008000";
    QTest::newRow("black is a colour") << quint32(0) << "#000000";
    QTest::newRow("mixed") << quint32(0x0a0b0c) << "#0C0B0A";
}

void TestDialogFrame::colourText()
{
    QFETCH(quint32, value);
    QFETCH(QString, text);
    const QColor colour = fromColorValue(value);
    QCOMPARE(::colourText(colour), text);

    Probe dialog("table");
    QLineEdit *box = dialog.textField("txtColour", "#FFFFFF");
    QPushButton *boxButton = dialog.colourBoxButton("btnShowColours", box);
    QComboBox *combo = dialog.comboBox("cmbcolour", {"none", "aqua"}, true, "none");
    QPushButton *textButton = dialog.colourTextButton("btnMoreColours", combo);

    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Color{colour}).expect(ScriptedPrompter::Color{colour});
    boxButton->click();
    textButton->click();
    QCOMPARE(box->text(), text);
    QCOMPARE(box->palette().color(QPalette::Base), colour);
    QCOMPARE(combo->currentText(), text);
    QV_VERIFY_PROMPTS(prompts);
}

void TestDialogFrame::colourButtonCancel()
{
    Probe dialog("table");
    QLineEdit *box = dialog.textField("txtColour", "#123456");
    const QColor before = box->palette().color(QPalette::Base);
    QPushButton *boxButton = dialog.colourBoxButton("btnShowColours", box);
    QLineEdit *text = dialog.textField("txtColour2", "#654321");
    QPushButton *textButton = dialog.colourTextButton("btnColour2", text);

    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Color{}).expect(ScriptedPrompter::Color{});
    boxButton->click();
    textButton->click();
    QCOMPARE(box->text(), QString("#123456"));
    QCOMPARE(box->palette().color(QPalette::Base), before);
    QCOMPARE(text->text(), QString());
    QV_VERIFY_PROMPTS(prompts);
}

void TestDialogFrame::numberValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("word") << "abc" << 0.0;
    QTest::newRow("fraction") << "2.5" << 2.5;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("plus") << "+2" << 2.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent being typed") << "1e" << 1.0;
    QTest::newRow("sign being typed") << "-" << 0.0;
    QTest::newRow("blanks around") << " 7 " << 7.0;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("number then text") << "12px" << 12.0;
}

void TestDialogFrame::numberValue()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(::numberValue(text), value);
}

void TestDialogFrame::spinner_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("floor");
    QTest::addColumn<QString>("up");
    QTest::addColumn<QString>("down");
    QTest::newRow("0, floor 0") << "0" << 0 << "1" << "0";
    QTest::newRow("empty") << "" << 0 << "1" << "0";
    QTest::newRow("3") << "3" << 0 << "4" << "2";
    QTest::newRow("no upper limit") << "99999" << 0 << "100000" << "99998";
    QTest::newRow("0, floor -1") << "0" << -1 << "1" << "-1";
    QTest::newRow("-1, floor -1") << "-1" << -1 << "0" << "-1";
    QTest::newRow("fraction above the floor") << "0.5" << 0 << "1.5" << "-0.5";
}

void TestDialogFrame::spinner()
{
    QFETCH(QString, text);
    QFETCH(int, floor);
    QFETCH(QString, up);
    QFETCH(QString, down);
    QCOMPARE(spinUp(text), up);
    QCOMPARE(spinDown(text, floor), down);
}

void TestDialogFrame::spinnerButtons()
{
    Probe dialog("marquee");
    QLineEdit *loop = dialog.textField("txtLoop", "0");
    QWidget *arrows = dialog.spinner("UDLoop", loop, -1);
    QCOMPARE(arrows->objectName(), QString("UDLoop"));
    auto *up = arrows->findChild<QToolButton *>("up");
    auto *down = arrows->findChild<QToolButton *>("down");
    down->click();
    QCOMPARE(loop->text(), QString("-1"));
    down->click();
    QCOMPARE(loop->text(), QString("-1"));
    up->click();
    up->click();
    QCOMPARE(loop->text(), QString("1"));
}


void TestDialogFrame::halfTypedNumbersBuildNothing_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<QString>("text");
    QTest::newRow("rule width") << "rule" << "txtWidth" << "OKButton" << "-";
    QTest::newRow("rule size") << "rule" << "txtSize" << "OKButton" << "1e";
    QTest::newRow("image height") << "frmImage" << "txtHeight" << "btnInsert" << "-";
    QTest::newRow("image hspace") << "frmImage" << "txtHSpace" << "btnInsert" << ".";
    QTest::newRow("list start") << "bullets" << "txtStart" << "btnInsert" << "-";
    QTest::newRow("linked list size") << "ListURLs" << "txtSize" << "btnInsert" << "+";
    QTest::newRow("text area lines") << "formTextArea" << "txtLines" << "btnInsert" << "1e-";
    QTest::newRow("button tab") << "formButton" << "txtTab" << "btnInsert" << "-.";
    QTest::newRow("file tab") << "formFile" << "txtTab" << "btnInsert" << "-";
    QTest::newRow("list field size") << "formList" << "txtSize" << "btnInsert" << ".";
}

void TestDialogFrame::halfTypedNumbersBuildNothing()
{
    QFETCH(QString, dialog);
    QFETCH(QString, field);
    QFETCH(QString, confirm);
    QFETCH(QString, text);
    SourceWindow *quorl = Quorl();
    quorl->show();
    QWidget *frame = WindowDirectory::touch(dialog);
    frame->setProperty("compOrEdit", "edit");
    frame->show();
    // What each dialog needs besides its numbers.
    for (const char *required : {"txtName", "txtSource", "txtWidth", "txtHeight"}) {
        if (auto *edit = frame->findChild<QLineEdit *>(required))
            edit->setText(edit->objectName().startsWith("txtName") ? "n" : "3");
    }
    if (auto *dimensions = frame->findChild<QCheckBox *>("chkDimensions"))
        dimensions->setChecked(true);
    auto *edit = frame->findChild<QLineEdit *>(field);
    auto *button = frame->findChild<QPushButton *>(confirm);
    QVERIFY(edit && button);
    edit->setText(text);  // passes while typing: a number begun
    QCOMPARE(edit->text(), text);

    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{"Please enter only valid numerical data",
                                             "Assistant: Quorl", Prompter::Icon::Exclamation,
                                             Prompter::Buttons::Ok});
    button->click();
    QV_VERIFY_PROMPTS(prompts);
    QVERIFY(prompts.allAnswered());
    QCOMPARE(quorl->area->text(), QString());
    QCOMPARE(WindowDirectory::loaded(dialog), frame);
    QCOMPARE(edit->text(), QString());

    // A whole number, blanks around it, is built.
    edit->setText(" 2 ");
    button->click();
    QV_VERIFY_PROMPTS(prompts);
    QVERIFY(!quorl->area->text().isEmpty());
}

QTEST_MAIN(TestDialogFrame)
#include "tst_dialogframe.moc"
