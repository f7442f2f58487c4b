// The crash recovery wizard and the restore points: what they set, write
// and load, and what a refused value leaves alone.

#include "app/windowregistry.h"
#include "dialogs/listeditor.h"
#include "editor/crashwizard.h"
#include "editor/restorewindow.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/programfolder.h"
#include "platform/sourcearea.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

using Msg = ScriptedPrompter::Message;
using Icon = Prompter::Icon;
using Buttons = Prompter::Buttons;
using Answer = Prompter::Answer;
using Interval = CrashWizard::Interval;

namespace {

using TestEngine::settle;

const QString kTitle = "Assistant: Quorl";

QString crashFolder()
{
    return ProgramFolder::resolve("Crash");
}

} // namespace

class TestCrashRestore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void interval_data();
    void interval();
    void configure_data();
    void configure();
    void configureFromEitherView_data();
    void configureFromEitherView();
    void loadCrashFile();
    void disable();
    void restoreFileRoundTrip();
    void pointsSurviveCloseAndReopen();
    void restoreNames_data();
    void restoreNames();
    void specialFilesAreNotListed();
    void okWritesBothViews();
    void failuresAreReported();

private:
    void showComposer(const QString &html);
    CrashWizard *wizard(const QString &name, const QString &seconds);

    TestEnv m_env;
};

void TestCrashRestore::initTestCase()
{
    registerWindows();
}

void TestCrashRestore::init()
{
    m_env.clearSettings();
    QDir(crashFolder()).removeRecursively();
    QDir().mkpath(crashFolder());
}

void TestCrashRestore::cleanup()
{
    Composr()->TimeCrashSave->stop();
    TestEnv::unloadWindows();
}

void TestCrashRestore::showComposer(const QString &html)
{
    Quorl()->hide();
    ComposerWindow *c = Composr();
    c->txtComp->setDocumentHtml(html);
    c->show();
    QVERIFY(settle(c->txtComp));
}

CrashWizard *TestCrashRestore::wizard(const QString &name, const QString &seconds)
{
    auto *w = WindowDirectory::touch<CrashWizard>("crashRecover");
    w->show();
    w->txtDocName->setText(name);
    w->txtTimerValue->setText(seconds);
    return w;
}

void TestCrashRestore::interval_data()
{
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("ms");
    QTest::newRow("empty") << "" << int(Interval::Ok) << 10000;
    QTest::newRow("fraction") << "2.5" << int(Interval::Ok) << 2500;
    QTest::newRow("60") << "60" << int(Interval::Ok) << 60000;
    QTest::newRow("largest") << "65.535" << int(Interval::Ok) << 65535;
    QTest::newRow("70") << "70" << int(Interval::OutOfRange) << 0;
    QTest::newRow("negative") << "-1" << int(Interval::OutOfRange) << 0;
    QTest::newRow("0") << "0" << int(Interval::Ok) << 0;
    QTest::newRow("abc") << "abc" << int(Interval::NotANumber) << 0;
    QTest::newRow("point only") << "." << int(Interval::NotANumber) << 0;
    QTest::newRow("half to even down") << "0.0025" << int(Interval::Ok) << 2;
    QTest::newRow("half to even up") << "0.0035" << int(Interval::Ok) << 4;
    QTest::newRow("above half") << "0.00250001" << int(Interval::Ok) << 3;
    QTest::newRow("many digits") << "99999999999999999999" << int(Interval::OutOfRange) << 0;
}

void TestCrashRestore::interval()
{
    QFETCH(QString, seconds);
    QFETCH(int, status);
    QFETCH(int, ms);
    const Interval value = CrashWizard::interval(seconds);
    QCOMPARE(int(value.status), status);
    if (status == Interval::Ok)
        QCOMPARE(value.ms, ms);
}

void TestCrashRestore::configure_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<QString>("message");  // empty: configured
    QTest::newRow("configured") << "doc" << "2.5" << "";
    QTest::newRow("out of range") << "doc" << "70" << "Request could not be processed...";
    QTest::newRow("not a number") << "doc" << "abc" << "Request could not be processed...";
    QTest::newRow("no name") << "" << "5" << "Invalid File Name";
    QTest::newRow("path in name") << "../doc" << "5" << "Invalid File Name";
    QTest::newRow("control character") << "do\tc" << "5" << "Invalid File Name";
}

void TestCrashRestore::configure()
{
    QFETCH(QString, name);
    QFETCH(QString, seconds);
    QFETCH(QString, message);
    showComposer("<p>page</p>");
    ComposerWindow *c = Composr();
    c->TimeCrashSaveTag = "old";
    c->TimeCrashSave->setInterval(7000);
    c->TimeCrashSave->start();
    ScriptedPrompter p;
    if (message == "Invalid File Name")
        p.expect(Msg{message, "Quorl", Icon::None});
    else if (!message.isEmpty())
        p.expect(Msg{message, kTitle, Icon::Critical});
    wizard(name, seconds)->btnConfigure->click();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(c->isVisible());
    if (message.isEmpty()) {
        QCOMPARE(c->TimeCrashSaveTag, name);
        QCOMPARE(c->TimeCrashSave->interval(), 2500);
        QVERIFY(c->TimeCrashSave->isActive());
        QVERIFY(!WindowDirectory::isLoaded("crashRecover"));
    } else {
        // Nothing changes on a refused value.
        QCOMPARE(c->TimeCrashSaveTag, QString("old"));
        QCOMPARE(c->TimeCrashSave->interval(), 7000);
        QVERIFY(c->TimeCrashSave->isActive());
    }
}

void TestCrashRestore::configureFromEitherView_data()
{
    QTest::addColumn<bool>("fromSource");
    QTest::newRow("composer showing") << false;
    QTest::newRow("source showing") << true;
}

void TestCrashRestore::configureFromEitherView()
{
    QFETCH(bool, fromSource);
    showComposer("<p>composer document</p>");
    SourceWindow *q = Quorl();
    q->area->setText("<p>source text</p>");
    if (fromSource) {
        Composr()->hide();
        q->show();
    }
    wizard("never", "0")->btnConfigure->click();
    ComposerWindow *c = Composr();
    QVERIFY(c->isVisible());
    QVERIFY(!q->isVisible());
    QVERIFY(settle(c->txtComp));
    QCOMPARE(TestEngine::body(c->txtComp),
             QString(fromSource ? "<p>source text</p>" : "<p>composer document</p>"));
    // Seconds 0: configured, but the timer never fires.
    QCOMPARE(c->TimeCrashSaveTag, QString("never"));
    QVERIFY(!c->TimeCrashSave->isActive());
    QTest::qWait(50);
    QVERIFY(!QFile::exists(QDir(crashFolder()).filePath("never.crw")));
}

void TestCrashRestore::loadCrashFile()
{
    showComposer("<p>current</p>");
    QVERIFY(TestFiles::write(QDir(crashFolder()).filePath("lost.crw"),
                             "<html><body><p>saved before the crash</p></body></html>"));
    QVERIFY(TestFiles::write(QDir(crashFolder()).filePath("notes.txt"), "not listed"));
    CrashWizard *w = wizard("", "");
    QCOMPARE(listEntries(w->FileCrash), QStringList{"lost.crw"});
    w->FileCrash->setCurrentRow(0);

    ScriptedPrompter p;
    const Msg question{"Are you sure you want to load this document?", kTitle, Icon::Question,
                       Buttons::YesNo, Answer::No};
    p.expect(question);
    w->btnLoad->click();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(w->isVisible());
    QCOMPARE(TestEngine::body(Composr()->txtComp), QString("<p>current</p>"));

    Msg yes = question;
    yes.answer = Answer::Yes;
    p.expect(yes);
    w->btnLoad->click();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(settle(Composr()->txtComp));
    QCOMPARE(TestEngine::body(Composr()->txtComp), QString("<p>saved before the crash</p>"));
    QVERIFY(!WindowDirectory::isLoaded("crashRecover"));

    // Nothing selected: the Error 05 message.
    p.expect(yes);
    p.expect(Msg{"Error 05:\r\nAn error occured when trying to perform requested operation",
                 kTitle, Icon::Critical});
    wizard("", "")->btnLoad->click();
    QV_VERIFY_PROMPTS(p);
}

void TestCrashRestore::disable()
{
    showComposer("<p>page</p>");
    wizard("doc", "5")->btnConfigure->click();
    QVERIFY(Composr()->TimeCrashSave->isActive());
    ScriptedPrompter p;
    p.expect(Msg{"Crash Recovery Wizard has been disabled successfully.", kTitle,
                 Icon::Information});
    wizard("", "")->btnDisableCRW->click();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(!Composr()->TimeCrashSave->isActive());
    QCOMPARE(Composr()->TimeCrashSaveTag, QString("doc"));
    QCOMPARE(Composr()->TimeCrashSave->interval(), 5000);
}

void TestCrashRestore::restoreFileRoundTrip()
{
    const QString text = "<p>{braces} and \\back\\slashes</p>\r\n<p>caf\u00e9</p>\r\n";
    Quorl()->area->setText(text);
    QVERIFY(Quorl()->findChild<QAction *>("mnuRestore")->isEnabled());
    Quorl()->findChild<QAction *>("mnuRestore")->trigger();
    auto *r = WindowDirectory::touch<RestoreWindow>("restore");
    QVERIFY(r->isVisible());
    QCOMPARE(r->lblTitle->text(), QString("Current Editor Contents"));
    r->txtPRestoreName->setText("before rework");
    QTest::keyClick(r->txtPRestoreName, Qt::Key_Return);
    QCOMPARE(listEntries(r->File1), QStringList{"before rework.rpw"});
    QVERIFY(TestFiles::bytes(QDir(crashFolder()).filePath("before rework.rpw"))
                .startsWith("{\\rtf"));

    r->restorePoint(3);  // never set: empties the working copy
    QCOMPARE(r->txtRestore->text(), QString());
    r->File1->setCurrentRow(0);
    r->btnLoad->click();
    QCOMPARE(r->txtRestore->text(), text);
    QCOMPARE(r->lblTitle->text(), QString("Contents of loaded restore point"));

    r->btnRemove->click();
    QCOMPARE(listEntries(r->File1), QStringList{});
}

void TestCrashRestore::pointsSurviveCloseAndReopen()
{
    Quorl()->area->setText("first state");
    openRestoreFromSource();
    auto *r = WindowDirectory::touch<RestoreWindow>("restore");
    r->cmbRestore->setCurrentText("Restore 2");
    r->findChild<QPushButton *>("btnCreate")->click();
    QCOMPARE(r->lblTitle->text(), QString("Restore Point 2 Set"));
    r->cmbRestore->setCurrentText("Restore 9");  // typed: matches no slot
    r->findChild<QPushButton *>("btnCreate")->click();
    r->CancelButton->click();
    QVERIFY(!r->isVisible());

    Quorl()->area->setText("second state");
    openRestoreFromSource();
    QCOMPARE(WindowDirectory::touch<RestoreWindow>("restore"), r);
    QCOMPARE(r->txtRestore->text(), QString("second state"));
    QVERIFY(r->chkStatus[1]->isChecked());
    QVERIFY(!r->chkStatus[0]->isChecked());
    r->btnRestore[1]->click();
    QCOMPARE(r->lblTitle->text(), QString("Restore Point 2"));
    QCOMPARE(r->txtRestore->text(), QString("first state"));
}

void TestCrashRestore::restoreNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("empty") << "" << QStringList{".rpw"};
    QTest::newRow("blanks kept") << "a b" << QStringList{"a b.rpw"};
    QTest::newRow("path") << "../../escape" << QStringList{};
    QTest::newRow("backslash") << "a\\b" << QStringList{};
}

void TestCrashRestore::restoreNames()
{
    QFETCH(QString, name);
    QFETCH(QStringList, listed);
    openRestoreFromSource();
    auto *r = WindowDirectory::touch<RestoreWindow>("restore");
    r->txtPRestoreName->setText(name);
    ScriptedPrompter p;
    if (listed.isEmpty())
        p.expect(Msg{"Invalid File Name", "Quorl", Icon::None});
    // Where the name leads, were it taken as a path: for "../../escape" the
    // folder above the program folder.
    const QString reached = QDir::cleanPath(crashFolder() + '/' + name + ".rpw");
    if (listed.isEmpty())
        QFile::remove(reached);
    r->btnSet->click();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(listEntries(r->File1), listed);
    if (listed.isEmpty())
        QVERIFY(!QFile::exists(reached));
}

void TestCrashRestore::specialFilesAreNotListed()
{
    // Loading a FIFO as a restore point or crash file would wait for a
    // writer for good; a device may never end.
    const QDir crash(crashFolder());
    QVERIFY(TestFiles::write(crash.filePath("kept.rpw"), "{\\rtf1 kept}"));
    QVERIFY(TestFiles::write(crash.filePath("kept.crw"), "<p>kept</p>"));
    QVERIFY(::mkfifo(QFile::encodeName(crash.filePath("x.rpw")).constData(), 0600) == 0);
    QVERIFY(::mkfifo(QFile::encodeName(crash.filePath("y.crw")).constData(), 0600) == 0);
    QVERIFY(QFile::link(crash.filePath("x.rpw"), crash.filePath("z.rpw")));
    QVERIFY(QFile::link("/dev/zero", crash.filePath("zero.crw")));
    // Files of /proc look regular; /proc/kmsg blocks until the kernel logs.
    QVERIFY(QFile::link("/proc/kmsg", crash.filePath("kmsg.rpw")));
    QVERIFY(QFile::link("/proc/self/status", crash.filePath("status.crw")));
    openRestoreFromSource();
    QCOMPARE(listEntries(WindowDirectory::touch<RestoreWindow>("restore")->File1),
             QStringList{"kept.rpw"});
    QCOMPARE(listEntries(wizard("", "")->FileCrash), QStringList{"kept.crw"});
}

void TestCrashRestore::okWritesBothViews()
{
    showComposer("<p>now</p>");
    Quorl()->area->setText("<p>now</p>");
    Quorl()->star.clear();
    openRestoreFromSource();
    auto *r = WindowDirectory::touch<RestoreWindow>("restore");
    r->txtRestore->setText("<p>earlier</p>");
    const Msg question{"Using Restore Point is going to take your page back to the last time "
                       "Restore Point was created. Proceed?",
                       kTitle, Icon::Question, Buttons::YesNo, Answer::No};
    ScriptedPrompter p;
    p.expect(question);
    r->OKButton->click();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(r->isVisible());
    QCOMPARE(Quorl()->area->text(), QString("<p>now</p>"));

    Msg yes = question;
    yes.answer = Answer::Yes;
    p.expect(yes);
    r->OKButton->click();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(!r->isVisible());
    QCOMPARE(Quorl()->area->text(), QString("<p>earlier</p>"));
    QCOMPARE(Quorl()->star, QString("*"));
    QVERIFY(settle(Composr()->txtComp));
    QCOMPARE(TestEngine::body(Composr()->txtComp), QString("<p>earlier</p>"));
    // The page before the restore is one Undo away in the source window.
    Quorl()->area->undo();
    QCOMPARE(Quorl()->area->text(), QString("<p>now</p>"));
}

void TestCrashRestore::failuresAreReported()
{
    openRestoreFromSource();
    auto *r = WindowDirectory::touch<RestoreWindow>("restore");
    ScriptedPrompter p;
    p.expect(Msg{"An error occurred when trying to load document.", kTitle, Icon::Critical});
    p.expect(Msg{"An error occurred when trying to remove document.", kTitle, Icon::Critical});
    r->btnLoad->click();
    r->btnRemove->click();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(r->isVisible());

    // Without the crash folder Set fails and says so.
    QVERIFY(QDir(crashFolder()).removeRecursively());
    r->txtPRestoreName->setText("kept");
    p.expect(Msg{"An error occurred when trying to save document.", kTitle, Icon::Critical});
    r->btnSet->click();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(r->isVisible());

    // And the wizard cannot list it.
    p.expect(Msg{"Error 04:\r\nUnable to perform requested action. Crash folder might have "
                 "been removed or moved",
                 kTitle, Icon::Critical});
    QWidget *wizard = WindowDirectory::touch("crashRecover");
    wizard->show();  // as its openers do right after loading
    QV_VERIFY_PROMPTS(p);
    QVERIFY(!wizard->isVisible());
    QVERIFY(!WindowDirectory::isLoaded("crashRecover"));
}

QTEST_MAIN(TestCrashRestore)
#include "tst_crashrestore.moc"
