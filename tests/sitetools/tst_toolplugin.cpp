#include "app/windowregistry.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "sitetools/toolplugin.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

namespace {

bool makeFile(const QString &path, const QByteArray &bytes, bool executable)
{
    if (!TestFiles::write(path, bytes))
        return false;
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    return QFile::setPermissions(path, permissions);
}

} // namespace

class TestToolPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void listing();
    void launchFromEitherWindow_data();
    void launchFromEitherWindow();
    void failedLaunch();
    void missingFolder();

private:
    TestEnv m_env;
};

void TestToolPlugin::initTestCase()
{
    registerWindows();
    const QDir tools(ToolPlugin::folder());
    const QString marker = m_env.scratch("launched");
    QVERIFY(makeFile(tools.filePath("notes.txt"), "not a program", false));
    QVERIFY(makeFile(tools.filePath("zeta-tool"),
                     "#!/bin/sh\necho run >> '" + marker.toUtf8() + "'\n", true));
    QVERIFY(makeFile(tools.filePath("Alpha.exe"),
                     "#!/bin/sh\necho alpha >> '" + marker.toUtf8() + "'\n", true));
    QVERIFY(tools.mkpath("subfolder"));
    // Not programs, and reading one would block: a FIFO, also behind a link.
    const QString fifo = tools.filePath("pipe");
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0700) == 0);
    QVERIFY(QFile::link(fifo, tools.filePath("linked-pipe")));
}

void TestToolPlugin::cleanup()
{
    TestEnv::unloadWindows();
}

void TestToolPlugin::listing()
{
    QCOMPARE(pluginTools(ToolPlugin::folder()), QStringList({"Alpha.exe", "zeta-tool"}));
    QCOMPARE(pluginTools(m_env.scratch()), QStringList());
    QVERIFY(!pluginTools(m_env.scratch("absent")));
}

void TestToolPlugin::launchFromEitherWindow_data()
{
    QTest::addColumn<bool>("fromComposer");
    QTest::newRow("source window") << false;
    QTest::newRow("composer") << true;
}

void TestToolPlugin::launchFromEitherWindow()
{
    QFETCH(bool, fromComposer);
    QWidget *mainWindow = fromComposer ? static_cast<QWidget *>(Composr()) : Quorl();
    QAction *command = Menus::find(mainWindow, "mnuPlugIn");
    QVERIFY(command->isEnabled());
    command->trigger();
    auto *launcher = qobject_cast<ToolPlugin *>(WindowDirectory::loaded("toolplugin"));
    QVERIFY(launcher && launcher->isVisible());
    QCOMPARE(launcher->windowTitle(), QString("Plug in Tools: Quorl Vevevodi"));
    QVERIFY(launcher->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(launcher->lstTools->count(), 2);

    const QString marker = m_env.scratch("launched");
    QFile::remove(marker);
    // The list with the focus has its first row current, but nothing is
    // chosen: nothing happens.
    launcher->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(launcher));
    launcher->lstTools->setFocus();
    QCOMPARE(launcher->lstTools->currentRow(), 0);
    QVERIFY(launcher->lstTools->selectedItems().isEmpty());
    launcher->OKButton->click();
    launcher->lstTools->setCurrentRow(1);
    launcher->OKButton->click();
    launcher->OKButton->click();
    QVERIFY(TestEngine::waitUntil([&] { return TestFiles::bytes(marker) == "run\nrun\n"; },
                                  10000));
    QCOMPARE(WindowDirectory::loaded("toolplugin"), launcher);
    launcher->CancelButton->click();
    TestEnv::flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("toolplugin"));
}

void TestToolPlugin::failedLaunch()
{
    auto *launcher = WindowDirectory::touch<ToolPlugin>("toolplugin");
    launcher->lstTools->setCurrentRow(0);
    QVERIFY(QFile::remove(QDir(ToolPlugin::folder()).filePath("Alpha.exe")));
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{"Error\r\nUnable to launch tool. Please report this "
                                             "problem to the author of Quorl Vevevodi.",
                                             "Assistant: Quorl", Prompter::Icon::Critical});
    launcher->OKButton->click();
    QV_VERIFY_PROMPTS(prompts);
}

void TestToolPlugin::missingFolder()
{
    const QString tools = ToolPlugin::folder();
    QVERIFY(QDir(tools).removeRecursively());
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{"Error\r\nUnable to load tools. Folder must be "
                                             "removed or moved.",
                                             "Assistant: Quorl", Prompter::Icon::Critical});
    auto *launcher = WindowDirectory::touch<ToolPlugin>("toolplugin");
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(launcher->lstTools->count(), 0);
    launcher->OKButton->click();
}

QTEST_MAIN(TestToolPlugin)
#include "tst_toolplugin.moc"
