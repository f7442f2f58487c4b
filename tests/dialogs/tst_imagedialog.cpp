#include "app/windowregistry.h"
#include "fakeconsole.h"
#include "dialogs/imagedialog.h"
#include "editor/menubuilder.h"
#include "editor/openers.h"
#include "editor/sourcewindow.h"
#include "platform/sourcearea.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

using Change = std::function<void(ImageValues &)>;
Q_DECLARE_METATYPE(Change)

namespace {

ImageDialog *open(const QString &target)
{
    Openers::open({"frmImage", {{"compOrEdit", target}}, {}}, {});
    return qobject_cast<ImageDialog *>(WindowDirectory::loaded("frmImage"));
}

} // namespace

class TestImageDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void builder_data();
    void builder();
    void refusals_data();
    void refusals();
    void dimensionsSwitch();
    void chooseSource();
    void insertIntoSourceWindow();
    void insertIntoConsole();

private:
    TestEnv m_env;
};

void TestImageDialog::initTestCase()
{
    registerWindows();
    WindowDirectory::registerWindow("JSConsole", [] { return new FakeConsole; });
}

void TestImageDialog::cleanup()
{
    TestEnv::unloadWindows();
}

void TestImageDialog::builder_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("console");
    QTest::addColumn<QString>("html");  // empty: refused

    QTest::newRow("design values") << Change([](ImageValues &) {}) << false
                                   << "<IMG src=\"a.gif\" align=\"Left\" Border=\"0\">";
    QTest::newRow("console leaves the tag open")
        << Change([](ImageValues &) {}) << true
        << "<IMG src=\"a.gif\" align=\"Left\" Border=\"0\" ";
    QTest::newRow("every attribute in order")
        << Change([](ImageValues &v) {
               v.alt = "A"; v.align = "Top"; v.border = "2"; v.dimensions = true;
               v.width = "50"; v.widthPercent = true; v.height = "40"; v.hspace = "5";
               v.vspace = "6";
           })
        << false
        << "<IMG src=\"a.gif\" align=\"Top\" Border=\"2\" height=\"40\" width=\"50%\" "
           "hspace=\"5\" vspace=\"6\" alt=\"A\">";
    QTest::newRow("dimensions unticked drop width and height")
        << Change([](ImageValues &v) {
               v.width = "50"; v.height = "40"; v.heightPercent = true;
           })
        << false << "<IMG src=\"a.gif\" align=\"Left\" Border=\"0\">";
    QTest::newRow("zero and empty spacing, empty border and align")
        << Change([](ImageValues &v) {
               v.hspace = "0.0"; v.vspace = ""; v.border = ""; v.align = "";
           })
        << false << "<IMG src=\"a.gif\">";
    QTest::newRow("one dimension missing")
        << Change([](ImageValues &v) { v.dimensions = true; v.width = "50"; }) << false << "";
}

void TestImageDialog::builder()
{
    QFETCH(Change, change);
    QFETCH(bool, console);
    QFETCH(QString, html);
    ImageValues values;
    values.source = "a.gif";
    change(values);
    QCOMPARE(imageHtml(values, console).value_or(QString()), html);
}

void TestImageDialog::refusals_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("message");
    QTest::newRow("no source") << "" << "No image was selected";
    QTest::newRow("no height") << "a.gif" << "Height or Width not specified";
}

void TestImageDialog::refusals()
{
    QFETCH(QString, source);
    QFETCH(QString, message);
    Quorl()->show();
    ImageDialog *dialog = open("edit");
    dialog->txtSource->setText(source);
    dialog->chkDimensions->click();
    dialog->txtWidth->setText("10");
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{message, "Assistant: Quorl",
                                             Prompter::Icon::Exclamation,
                                             Prompter::Buttons::Ok});
    dialog->btnInsert->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(WindowDirectory::loaded("frmImage"), dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->txtWidth->text(), QString("10"));
    QCOMPARE(Quorl()->area->text(), QString());
}

void TestImageDialog::dimensionsSwitch()
{
    auto *dialog = WindowDirectory::touch<ImageDialog>("frmImage");
    QCOMPARE(dialog->windowTitle(), QString("Image : Quorl"));
    QCOMPARE(dialog->btnHelp->text(), QString("Show Help"));
    const QList<QWidget *> four = {dialog->txtWidth, dialog->txtHeight, dialog->chkWPercentage,
                                   dialog->chkHPercentage};
    for (QWidget *w : four)
        QVERIFY(!w->isEnabled());
    dialog->chkDimensions->click();
    for (QWidget *w : four)
        QVERIFY(w->isEnabled());
}

void TestImageDialog::chooseSource()
{
    auto *dialog = WindowDirectory::touch<ImageDialog>("frmImage");
    dialog->txtSource->setText("old.gif");
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::OpenFile{{}, std::nullopt})
        .expect(ScriptedPrompter::OpenFile{{}, "/pics/a b.png"});
    dialog->btnSource->click();
    QCOMPARE(dialog->txtSource->text(), QString("old.gif"));
    dialog->btnSource->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(dialog->txtSource->text(), QString("/pics/a b.png"));
    QCOMPARE(prompts.lastFileRequest().filter,
             QString("JPEG Files (*.jpg);;GIF Files (*.gif);;"
                     "PNG Files (*.png);;All Files (*.*)"));
    QCOMPARE(dialog->comdlg.FileName, QString());
}

void TestImageDialog::insertIntoSourceWindow()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("<p></p>");
    quorl->area->setSelStart(3);
    Menus::find(quorl, "mnuImage")->trigger();
    auto *dialog = qobject_cast<ImageDialog *>(WindowDirectory::loaded("frmImage"));
    QVERIFY(dialog && dialog->isVisible());
    dialog->txtSource->setText("a.gif");
    dialog->findChild<QWidget *>("updownHspac")->findChild<QAbstractButton *>("up")->click();
    dialog->btnInsert->click();
    QCOMPARE(quorl->area->text(),
             QString("<p><IMG src=\"a.gif\" align=\"Left\" Border=\"0\" hspace=\"1\"></p>"));
    QVERIFY(!WindowDirectory::isLoaded("frmImage"));
}

void TestImageDialog::insertIntoConsole()
{
    auto *console = FakeConsole::touch();
    console->setCode("x ");
    Quorl()->show();
    ImageDialog *dialog = open("jsc");
    dialog->txtSource->setText("a.gif");
    dialog->btnInsert->click();
    QCOMPARE(console->code(), QString("x <IMG src=\"a.gif\" align=\"Left\" Border=\"0\" "));
    QCOMPARE(Quorl()->area->text(), QString());
}

QTEST_MAIN(TestImageDialog)
#include "tst_imagedialog.moc"
