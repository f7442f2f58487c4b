// The horizontal rule dialog with its memory, and the heading dialog.

#include "app/windowregistry.h"
#include "dialogs/headingdialog.h"
#include "dialogs/ruledialog.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "platform/settingsstore.h"
#include "platform/sourcearea.h"
#include "support/composerpage.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <functional>

using Change = std::function<void(RuleValues &)>;
Q_DECLARE_METATYPE(Change)

namespace {

template <class T>
T *openFromSource(const char *command, const char *dialog)
{
    Menus::find(Quorl(), command)->trigger();
    return qobject_cast<T *>(WindowDirectory::loaded(dialog));
}

} // namespace

class TestRuleHeading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void ruleBuilder_data();
    void ruleBuilder();
    void ruleRemembered();
    void ruleForgotten();
    void heading_data();
    void heading();
    void headingFromSourceSelection();
    void headingFromComposer_data();
    void headingFromComposer();

private:
    TestEnv m_env;
};

void TestRuleHeading::initTestCase()
{
    registerWindows();
}

void TestRuleHeading::init()
{
    m_env.clearSettings();
    Quorl()->area->setText("");
}

void TestRuleHeading::cleanup()
{
    TestEnv::unloadWindows();
}

void TestRuleHeading::ruleBuilder_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("html");
    QTest::newRow("all empty") << Change([](RuleValues &) {}) << "<HR>";
    QTest::newRow("every attribute")
        << Change([](RuleValues &v) {
               v.width = "50"; v.percentage = true; v.align = "Left"; v.colour = "#FF0000";
               v.noShade = true;
           })
        << "<HR width=\"50%\" align=\"Left\" color=\"#FF0000\" NOSHADE>";
    QTest::newRow("empty alignment") << Change([](RuleValues &v) { v.align = ""; })
                                     << "<HR align=\"\">";
    QTest::newRow("width without percent")
        << Change([](RuleValues &v) { v.width = "300"; v.size = "4"; })
        << "<HR width=\"300\" size=\"4\">";
}

void TestRuleHeading::ruleBuilder()
{
    QFETCH(Change, change);
    QFETCH(QString, html);
    RuleValues values;
    change(values);
    QCOMPARE(ruleHtml(values), html);
}

void TestRuleHeading::ruleRemembered()
{
    Quorl()->show();
    auto *dialog = openFromSource<RuleDialog>("mnuHR", "rule");
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Insert Horizontal Rule : Quorl"));
    QCOMPARE(dialog->compOrEdit, QString("edit"));
    dialog->chkRemember->setChecked(true);
    dialog->txtWidth->setText("50");
    dialog->chkPercentage->setChecked(true);
    dialog->cmbAlign->setEditText("Right");
    dialog->txtColour->setText("#00FF00");
    dialog->txtSize->setText("3");
    dialog->chkShade->setChecked(true);
    dialog->OKButton->click();
    TestEnv::flushDeletes();
    QCOMPARE(Quorl()->area->text(),
             QString("<HR width=\"50%\" align=\"Right\" color=\"#00FF00\" size=\"3\" NOSHADE>"));

    const QList<QPair<QString, QString>> stored = {
        {"Remember", "1"}, {"NoShade", "1"}, {"Alignment", "Right"}, {"Colour", "#00FF00"},
        {"Size", "3"}, {"Percentage", "1"}, {"Width", "50"}};
    for (const auto &[key, value] : stored)
        QCOMPARE(SettingsStore::value("HRule", key, "absent"), value);

    dialog = openFromSource<RuleDialog>("mnuHR", "rule");
    QCOMPARE(ruleHtml(dialog->values()),
             QString("<HR width=\"50%\" align=\"Right\" color=\"#00FF00\" size=\"3\" NOSHADE>"));
    QVERIFY(dialog->chkRemember->isChecked());
}

void TestRuleHeading::ruleForgotten()
{
    SettingsStore::setValue("HRule", "Remember", "1");
    SettingsStore::setValue("HRule", "Width", "70");
    Quorl()->show();
    auto *dialog = openFromSource<RuleDialog>("mnuHR", "rule");
    QCOMPARE(dialog->txtWidth->text(), QString("70"));
    dialog->chkRemember->setChecked(false);
    dialog->txtWidth->setText("20");
    dialog->OKButton->click();
    TestEnv::flushDeletes();
    QCOMPARE(SettingsStore::value("HRule", "Remember", "absent"), QString("0"));
    QCOMPARE(SettingsStore::value("HRule", "Width", "absent"), QString("70"));

    dialog = openFromSource<RuleDialog>("mnuHR", "rule");
    QCOMPARE(ruleHtml(dialog->values()), QString("<HR>"));
    QCOMPARE(dialog->cmbAlign->currentText(), QString("Center"));
}

void TestRuleHeading::heading_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("align");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    QTest::newRow("defaults") << 0 << -1 << "" << "<H1 align=\"Left\"></H1>";
    QTest::newRow("level 2, Center") << 2 << 1 << "Contents"
                                     << "<H2 align=\"Center\">Contents</H2>";
    QTest::newRow("level 6, Right") << 6 << 2 << "a < b" << "<H6 align=\"Right\">a < b</H6>";
}

void TestRuleHeading::heading()
{
    QFETCH(int, level);
    QFETCH(int, align);
    QFETCH(QString, text);
    QFETCH(QString, html);
    Quorl()->show();
    auto *dialog = openFromSource<HeadingDialog>("mnuHeading", "heading");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QString("Insert Heading : Quorl"));
    if (level > 0)
        dialog->radLevel[level - 1]->click();
    if (align >= 0)
        dialog->listAlign->setCurrentRow(align);
    dialog->txtHeading->setText(text);
    dialog->OKButton->click();
    TestEnv::flushDeletes();
    QCOMPARE(Quorl()->area->text(), html);
    QVERIFY(!WindowDirectory::isLoaded("heading"));
}

void TestRuleHeading::headingFromSourceSelection()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("say Hello now");
    quorl->area->setSelStart(4);
    quorl->area->setSelLength(5);
    auto *dialog = openFromSource<HeadingDialog>("mnuHeading", "heading");
    QCOMPARE(dialog->txtHeading->text(), QString("Hello"));
    dialog->OKButton->click();
    TestEnv::flushDeletes();
    QCOMPARE(quorl->area->text(), QString("say <H1 align=\"Left\">Hello</H1> now"));
}

void TestRuleHeading::headingFromComposer_data()
{
    QTest::addColumn<QString>("range");  // what is selected in "alpha <b>beta</b> gamma"
    QTest::addColumn<QString>("typed");  // null: the preset is left as it is
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("body");
    const QString bold = "r.selectNode(document.querySelector('b'))";
    QTest::newRow("a selected bold word")
        << bold << QString() << "beta"
        << "<p id=\"p\">alpha </p><h1 align=\"Left\"><b>beta</b></h1><p> gamma</p>";
    QTest::newRow("the preset changed")
        << bold << "Beta &amp; co" << "beta"
        << "<p id=\"p\">alpha </p><h1 align=\"Left\">Beta &amp; co</h1><p> gamma</p>";
    QTest::newRow("a caret")
        << "r.setStart(document.querySelector('b'), 1); r.collapse(true)" << "HEAD" << ""
        << "<p id=\"p\">alpha <b>beta</b></p><h1 align=\"Left\">HEAD</h1><p> gamma</p>";
}

void TestRuleHeading::headingFromComposer()
{
    QFETCH(QString, range);
    QFETCH(QString, typed);
    QFETCH(QString, preset);
    QFETCH(QString, body);
    QVERIFY(ComposerPage::showAt("<html><head></head><body><p id=\"p\">alpha <b>beta</b> gamma"
                                 "</p></body></html>", 0));
    QVERIFY(ComposerPage::select(range));
    Menus::find(Composr(), "mnuHeading")->trigger();
    auto *dialog = qobject_cast<HeadingDialog *>(WindowDirectory::loaded("heading"));
    QVERIFY(dialog);
    QCOMPARE(dialog->txtHeading->text(), preset);
    if (!typed.isNull())
        dialog->txtHeading->setText(typed);
    dialog->OKButton->click();
    // The heading takes the selection's place, and the paragraph it was in
    // is split around it, so the page reads back as it shows.
    QV_TRY_COMPARE(ComposerPage::value("document.body.innerHTML"), body);
    QVERIFY(ComposerPage::readsBackTheSame());
}

QTEST_MAIN(TestRuleHeading)
#include "tst_ruleheading.moc"
