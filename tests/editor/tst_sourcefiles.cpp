#include "app/windowregistry.h"
#include "editor/recentfiles.h"
#include "editor/sourcewindow.h"
#include "platform/programexit.h"
#include "platform/settingsstore.h"
#include "platform/sourcearea.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>

using Msg = ScriptedPrompter::Message;
using Icon = Prompter::Icon;
using Buttons = Prompter::Buttons;
using Answer = Prompter::Answer;

namespace {

QByteArray bytesOf(const QString &path)
{
    return TestFiles::bytes(path);
}

void writeFile(const QString &path, const QByteArray &content)
{
    QVERIFY(TestFiles::write(path, content));
}

QStringList visibleRecent(SourceWindow *w)
{
    QStringList out;
    for (QAction *a : w->recent)
        out << (a->isVisible() ? RecentFiles::pathOf(a) : QString("-"));
    return out;
}

Msg changedQuestion(const QString &path, Answer answer)
{
    return {path + " was changed by another program since it was opened. Replace it with "
                   "this page?",
            "Assistant: Quorl", Icon::Question, Buttons::YesNo, answer};
}

} // namespace

class TestSourceFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void openShowsTheFileAndFillsRecent();
    void sameFileTwiceAndOverflow();
    void composerSchemeAndBothMenus();
    void savedBytes_data();
    void savedBytes();
    void pagesKeepTheirEncoding_data();
    void pagesKeepTheirEncoding();
    void saveFirstTimeAsksForAName();
    void unreadableFileChangesNothing();
    void failedSaveKeepsMarkerAndPath();
    void newPrompts();
    void recentPromptsAndOpens();
    void openOffersToSaveUnsavedWork();
    void insertFile();
    void exitAnswers_data();
    void exitAnswers();
    void closeUnloadsTheListAndRunsExit();
    void exitOffersToSaveUnsavedWork();
    void saveChecksTheFile_data();
    void saveChecksTheFile();

private:
    TestEnv m_env;
    SourceWindow *w = nullptr;
    int m_exits = 0;
};

void TestSourceFiles::initTestCase()
{
    registerWindows();
    ProgramExit::setHandlerForTests([this] { ++m_exits; });
}

void TestSourceFiles::init()
{
    m_env.clearSettings();
    w = Quorl();
}

void TestSourceFiles::cleanup()
{
    TestEnv::unloadWindows();
}

void TestSourceFiles::openShowsTheFileAndFillsRecent()
{
    const QString path = m_env.scratch("a & b.html");
    writeFile(path, "<P>one</P>\r\n");
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::OpenFile{"", path});
    w->Open();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(p.lastFileRequest().filter, QString("HTML Files (*.html);;HTM Files (*.htm)"));
    QCOMPARE(w->area->text(), QString("<P>one</P>\r\n"));
    QCOMPARE(w->DocumentPath, path);
    QCOMPARE(w->star, QString("*"));
    QCOMPARE(w->windowTitle(), SourceWindow::captionPrefix + "(*) " + path);
    QCOMPARE(w->comdlg.FileName, QString());
    QCOMPARE(visibleRecent(w), QStringList({"-", "-", "-", "-", path}));
    // The "&" of the path is shown, not taken as an access key.
    QCOMPARE(w->recent[4]->text(), QString(path).replace("&", "&&"));
    QCOMPARE(SettingsStore::value("MRUs", "5"), path);

    // The next file dialog starts in the document's folder, or else where the
    // last one ended.
    w->star.clear();
    p.expect(ScriptedPrompter::OpenFile{"", std::nullopt});
    w->Open();
    QCOMPARE(p.lastFileRequest().initialPath, m_env.scratch());
    w->DocumentPath.clear();
    p.expect(ScriptedPrompter::SaveFile{"", std::nullopt});
    w->SaveAs();
    QCOMPARE(p.lastFileRequest().initialPath, m_env.scratch());
    w->DocumentPath = "/elsewhere/page.html";
    p.expect(ScriptedPrompter::SaveFile{"", std::nullopt});
    w->SaveAs();
    QCOMPARE(p.lastFileRequest().initialPath, QString("/elsewhere"));
    QV_VERIFY_PROMPTS(p);
}

void TestSourceFiles::sameFileTwiceAndOverflow()
{
    ScriptedPrompter p;
    const QString a = m_env.scratch("a.html");
    writeFile(a, "a");
    for (int i = 0; i < 2; ++i) {
        w->star.clear();
        p.expect(ScriptedPrompter::OpenFile{"", a});
        w->Open();
    }
    QCOMPARE(visibleRecent(w), QStringList({"-", "-", "-", a, a}));
    QStringList names;
    for (int i = 0; i < 5; ++i) {
        names << m_env.scratch(QString("f%1.html").arg(i));
        writeFile(names.last(), "x");
        w->star.clear();
        p.expect(ScriptedPrompter::OpenFile{"", names.last()});
        w->Open();
    }
    QCOMPARE(visibleRecent(w), names);
    QCOMPARE(SettingsStore::value("MRUs", "0"), a);  // shifted out, never shown
    QV_VERIFY_PROMPTS(p);
}

void TestSourceFiles::composerSchemeAndBothMenus()
{
    // A second window's Recent items, as the composer registers its own.
    QMenu other;
    RecentFiles::Menu items;
    for (auto &item : items)
        item = other.addAction(QString());
    RecentFiles::registerMenu(items);

    RecentFiles::addFromComposer("/p/one.html");
    RecentFiles::addFromComposer("/p/two.html");
    QCOMPARE(SettingsStore::value("MRUs", "4"), QString("/p/two.html"));
    QCOMPARE(SettingsStore::value("MRUs", "3"), QString("/p/one.html"));
    QCOMPARE(visibleRecent(w), QStringList({"-", "-", "-", "/p/one.html", "/p/two.html"}));
    QCOMPARE(RecentFiles::pathOf(items[4]), QString("/p/two.html"));
    QVERIFY(items[4]->isVisible());

    // A path already listed changes nothing, not even the menus.
    w->recent[0]->setVisible(true);
    RecentFiles::addFromComposer("/p/one.html");
    QCOMPARE(SettingsStore::value("MRUs", "4"), QString("/p/two.html"));
    QVERIFY(w->recent[0]->isVisible());

    // The source side shifts the same keys by its own scheme and shows its
    // keys "1" to "5" in both windows.
    RecentFiles::addFromSource("/p/three.html");
    QCOMPARE(visibleRecent(w), QStringList({"-", "/p/one.html", "/p/two.html", "-",
                                            "/p/three.html"}));
    QCOMPARE(RecentFiles::pathOf(items[4]), QString("/p/three.html"));
}

void TestSourceFiles::savedBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("abc gets one line break") << "abc" << QByteArray("abc\r\n");
    QTest::newRow("a final break is not doubled") << "a\r\nb\r\n" << QByteArray("a\r\nb\r\n");
    QTest::newRow("non-ascii as utf-8, no bom") << QString::fromUtf8("<P>caf\u00e9 \u20ac</P>")
                                                << QByteArray("<P>caf\xc3\xa9 \xe2\x82\xac</P>\r\n");
}

void TestSourceFiles::savedBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const QString path = m_env.scratch("saved.html");
    w->area->setText(text);
    w->DocumentPath = path;
    ScriptedPrompter p;
    w->Save();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(bytesOf(path), bytes);
    QCOMPARE(w->star, QString());
    QCOMPARE(w->windowTitle(), SourceWindow::captionPrefix + "() " + path);

    // Open and save again: byte for byte the same.
    p.expect(ScriptedPrompter::OpenFile{"", path});
    w->Open();
    w->Save();
    QCOMPARE(bytesOf(path), bytes);
    QV_VERIFY_PROMPTS(p);
}

void TestSourceFiles::pagesKeepTheirEncoding_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("saved");
    const QByteArray cp1252 = "<HTML><HEAD><META HTTP-EQUIV=\"Content-Type\" "
                              "CONTENT=\"text/html; charset=windows-1252\"></HEAD>"
                              "<BODY>caf\xe9 \x80 &eacute;</BODY></HTML>\r\n";
    QTest::newRow("windows-1252 page, byte for byte") << cp1252 << QString() << cp1252;
    QTest::newRow("windows-1252 page, typed characters")
        << cp1252 << QString::fromUtf8("\u00e9\u0109") << "\xe9&#265;" + cp1252;
    QTest::newRow("undeclared windows-1252 stays so")
        << QByteArray("<P>caf\xe9</P>\r\n") << QString::fromUtf8("\u00e9")
        << QByteArray("\xe9<P>caf\xe9</P>\r\n");
    const QByteArray utf8 = "<meta charset=\"utf-8\"><p>caf\xc3\xa9</p>\r\n";
    QTest::newRow("utf-8 page stays utf-8")
        << utf8 << QString::fromUtf8("\u0109") << "\xc4\x89" + utf8;
}

void TestSourceFiles::pagesKeepTheirEncoding()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, typed);
    QFETCH(QByteArray, saved);
    const QString path = m_env.scratch("encoded.html");
    writeFile(path, file);
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::OpenFile{"", path});
    w->Open();
    w->area->setSelStart(0);
    w->area->setSelText(typed);
    w->Save();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(bytesOf(path), saved);
}

void TestSourceFiles::saveFirstTimeAsksForAName()
{
    w->area->setText("page");
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::SaveFile{"", std::nullopt});
    w->Save();
    QCOMPARE(w->star, QString("*"));
    QCOMPARE(w->DocumentPath, QString());
    QCOMPARE(p.lastFileRequest().defaultSuffix, QString("html"));

    const QString path = m_env.scratch("named");
    p.expect(ScriptedPrompter::SaveFile{"", path});
    w->Save();
    QCOMPARE(w->DocumentPath, path + ".html");
    QCOMPARE(bytesOf(path + ".html"), QByteArray("page\r\n"));
    QCOMPARE(w->star, QString());
    QCOMPARE(visibleRecent(w).last(), path + ".html");
    QCOMPARE(w->comdlg.FileName, QString());

    // Save As writes the new file and leaves the recent list alone.
    const QString other = m_env.scratch("other.html");
    w->area->setSelStart(w->area->textLength());
    w->area->setSelText("!");
    p.expect(ScriptedPrompter::SaveFile{"", other});
    w->SaveAs();
    QCOMPARE(w->DocumentPath, other);
    QCOMPARE(bytesOf(other), QByteArray("page!\r\n"));
    QCOMPARE(visibleRecent(w).last(), path + ".html");
    QV_VERIFY_PROMPTS(p);
}

void TestSourceFiles::unreadableFileChangesNothing()
{
    const QString kept = m_env.scratch("kept.html");
    w->area->setText("my page");
    w->DocumentPath = kept;
    w->star = "*";
    w->titleupdate();
    const QString caption = w->windowTitle();
    const QString missing = m_env.scratch("gone.html");
    SettingsStore::setValue("MRUs", "5", missing);
    RecentFiles::showKeys(1);

    ScriptedPrompter p;
    p.expect(Msg{"File not saved. Would you like to save your file first?", "Assistant: Quorl",
                 Icon::Question, Buttons::YesNo, Answer::No});
    p.expect(ScriptedPrompter::OpenFile{"", missing});
    p.expect(Msg{"", "Assistant: Quorl", Icon::Critical, Buttons::Ok});
    w->Open();
    w->star.clear();  // the Recent entry would ask to save a modified page first
    p.expect(Msg{"", "Assistant: Quorl", Icon::Critical, Buttons::Ok});
    w->OpenRecent(4);
    QVERIFY(p.shownMessages().at(1).startsWith("Unable to open " + missing + "\r\n"));
    QVERIFY(p.shownMessages().at(1).size() > QString("Unable to open " + missing).size() + 2);
    QCOMPARE(w->area->text(), QString("my page"));
    QCOMPARE(w->DocumentPath, kept);
    QCOMPARE(w->windowTitle(), caption);
}

void TestSourceFiles::failedSaveKeepsMarkerAndPath()
{
    const QString old = m_env.scratch("old.html");
    w->area->setText("text");
    w->DocumentPath = old;
    const QString bad = m_env.scratch("no/folder/new.html");
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::SaveFile{"", bad});
    p.expect(Msg{"", "Assistant: Quorl", Icon::Critical, Buttons::Ok});
    w->SaveAs();
    QCOMPARE(w->DocumentPath, old);
    QCOMPARE(w->star, QString("*"));
    QVERIFY(p.shownMessages().value(0).startsWith("Unable to save " + bad));

    w->DocumentPath = bad;
    p.expect(Msg{"", "Assistant: Quorl", Icon::Critical, Buttons::Ok});
    w->Save();
    QCOMPARE(w->star, QString("*"));
    QCOMPARE(w->DocumentPath, bad);
}

void TestSourceFiles::newPrompts()
{
    w->area->setText("edited");
    w->DocumentPath = m_env.scratch("doc.html");
    ScriptedPrompter p;
    // Yes: Save runs; the path is gone already, so it asks for a name.
    p.expect(Msg{"File not saved. Save file now?", "Assistant: Quorl", Icon::Question,
                 Buttons::YesNo, Answer::Yes});
    p.expect(ScriptedPrompter::SaveFile{"", std::nullopt});
    w->New();
    QCOMPARE(w->area->text(), QString("edited"));
    QCOMPARE(w->DocumentPath, QString());

    p.expect(Msg{"File not saved. Save file now?", "Assistant: Quorl", Icon::Question,
                 Buttons::YesNo, Answer::No});
    w->New();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(w->area->text(), w->blankPageHtml);
    QCOMPARE(w->star, QString());
    QCOMPARE(w->windowTitle(), QString("Quorl Vevevodi: By Korrandel - () Untitled"));

    w->New();  // unmodified: no question
    QV_VERIFY_PROMPTS(p);
}

void TestSourceFiles::recentPromptsAndOpens()
{
    const QString current = m_env.scratch("current.html");
    const QString other = m_env.scratch("other.html");
    writeFile(other, "<P>other</P>");
    SettingsStore::setValue("MRUs", "5", other);
    RecentFiles::showKeys(1);
    w->area->setText("mine");
    w->DocumentPath = current;

    ScriptedPrompter p;
    const QString q = "File not saved. Would you like to save your file first?";
    p.expect(Msg{q, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::Yes});
    w->OpenRecent(4);
    QCOMPARE(bytesOf(current), QByteArray("mine\r\n"));   // saved, not opened
    QCOMPARE(w->area->text(), QString("mine"));

    w->star = "*";
    p.expect(Msg{q, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::No});
    w->OpenRecent(4);
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(w->area->text(), QString("<P>other</P>"));
    QCOMPARE(w->DocumentPath, other);
    QCOMPARE(w->comdlg.FileName, other);
    QCOMPARE(w->star, QString("*"));
    QCOMPARE(visibleRecent(w), QStringList({"-", "-", "-", "-", other}));  // not reordered
}

void TestSourceFiles::openOffersToSaveUnsavedWork()
{
    const QString current = m_env.scratch("current.html");
    const QString other = m_env.scratch("other.html");
    writeFile(other, "<P>other</P>");
    w->area->setText("mine");
    w->DocumentPath = current;
    QCOMPARE(w->star, QString("*"));

    ScriptedPrompter p;
    const QString q = "File not saved. Would you like to save your file first?";
    p.expect(Msg{q, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::Yes});
    w->Open();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(bytesOf(current), QByteArray("mine\r\n"));   // saved, nothing opened
    QCOMPARE(w->area->text(), QString("mine"));

    w->area->setSelText(" more");
    p.expect(Msg{q, "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::No});
    p.expect(ScriptedPrompter::OpenFile{"", other});
    w->Open();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(w->area->text(), QString("<P>other</P>"));
    QCOMPARE(w->DocumentPath, other);
}

void TestSourceFiles::insertFile()
{
    const QString part = m_env.scratch("part.html");
    writeFile(part, "<B>one</B>\n<I>two</I>");
    w->area->setText("[]");
    w->area->setSelStart(1);
    ScriptedPrompter p;
    // Cancel inserts nothing, whatever name an earlier command left behind.
    w->comdlg.FileName = part;
    p.expect(ScriptedPrompter::OpenFile{"", std::nullopt});
    w->InsertFile();
    QCOMPARE(w->area->text(), QString("[]"));

    p.expect(ScriptedPrompter::OpenFile{"", part});
    w->InsertFile();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(w->area->text(), QString("[<B>one</B>\r\n<I>two</I>\r\n]"));
    QCOMPARE(w->comdlg.FileName, part);
}

void TestSourceFiles::exitAnswers_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("tempFile");
    QTest::addColumn<int>("exits");
    QTest::addColumn<QString>("crashKey");
    QTest::newRow("no") << Answer::No << true << 0 << "unset";
    QTest::newRow("yes with the temporary file") << Answer::Yes << true << 1 << "0";
    QTest::newRow("yes without it") << Answer::Yes << false << 1 << "unset";
}

void TestSourceFiles::exitAnswers()
{
    QFETCH(Answer, answer);
    QFETCH(bool, tempFile);
    QFETCH(int, exits);
    QFETCH(QString, crashKey);
    QFile::remove(SourceWindow::crashTempFile());
    if (tempFile)
        writeFile(SourceWindow::crashTempFile(), "x");
    m_exits = 0;
    ScriptedPrompter p;
    p.expect(Msg{"Are you sure you want to exit?", "Confirm Exit: Quorl Vevevodi",
                 Icon::Question, Buttons::YesNo, answer, Answer::No});
    w->Exit();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(m_exits, exits);
    QCOMPARE(SettingsStore::value("Crash", "crash", "unset"), crashKey);
    QCOMPARE(QFile::exists(SourceWindow::crashTempFile()), tempFile && answer == Answer::No);
    QFile::remove(SourceWindow::crashTempFile());
}

void TestSourceFiles::exitOffersToSaveUnsavedWork()
{
    const Msg saveFirst{"File not saved. Would you like to save your file first?",
                        "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::Yes};
    const Msg exit{"Are you sure you want to exit?", "Confirm Exit: Quorl Vevevodi",
                   Icon::Question, Buttons::YesNo, Answer::Yes, Answer::No};
    w->area->setText("typed");
    QCOMPARE(w->star, QString("*"));
    m_exits = 0;
    // A save that does not happen keeps the program and the work.
    ScriptedPrompter p;
    p.expect(saveFirst).expect(ScriptedPrompter::SaveFile{"", std::nullopt});
    p.expect(Msg{"The file was not saved, so Quorl Vevevodi did not exit.", "Assistant: Quorl",
                 Icon::Exclamation, Buttons::Ok});
    w->Exit();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(m_exits, 0);
    QCOMPARE(w->area->text(), QString("typed"));
    // Yes saves, and the exit is asked for as ever.
    const QString path = m_env.scratch("kept.html");
    p.expect(saveFirst).expect(ScriptedPrompter::SaveFile{"", path}).expect(exit);
    w->Exit();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(bytesOf(path), QByteArray("typed\r\n"));
    QCOMPARE(m_exits, 1);
    // No goes straight on to the exit question.
    w->area->setText("more");
    Msg no = saveFirst;
    no.answer = Answer::No;
    p.expect(no).expect(exit);
    w->Exit();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(m_exits, 2);
}

void TestSourceFiles::saveChecksTheFile_data()
{
    // How the page is saved, what another program did to the file meanwhile,
    // the answer to the question (none: it must not come), and whether the
    // page then stands in the file.
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<std::optional<Answer>>("answer");
    QTest::addColumn<bool>("written");
    const std::optional<Answer> none;
    QTest::newRow("save, unchanged") << "save" << "" << none << true;
    QTest::newRow("save, changed, yes") << "save" << "write" << std::optional(Answer::Yes)
                                        << true;
    QTest::newRow("save, changed, no") << "save" << "write" << std::optional(Answer::No)
                                       << false;
    QTest::newRow("save, same size") << "save" << "same size" << std::optional(Answer::No)
                                     << false;
    QTest::newRow("save, deleted") << "save" << "delete" << none << true;
    QTest::newRow("save as, changed, no") << "save as" << "write" << std::optional(Answer::No)
                                          << false;
    QTest::newRow("exit, changed, no") << "exit" << "write" << std::optional(Answer::No)
                                       << false;
}

void TestSourceFiles::saveChecksTheFile()
{
    QFETCH(QString, route);
    QFETCH(QString, meanwhile);
    QFETCH(std::optional<Answer>, answer);
    QFETCH(bool, written);
    const QString ext = m_env.scratch("ext.html");
    writeFile(ext, "<p>first</p>\r\n");
    m_exits = 0;
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::OpenFile{"", ext});
    w->Open();
    // A save of its own is no change by another program.
    w->Save();
    QV_VERIFY_PROMPTS(p);

    const QByteArray theirs = meanwhile == "same size" ? "<p>other</p>\r\n" : "theirs\r\n";
    if (meanwhile == "delete")
        QVERIFY(QFile::remove(ext));
    else if (!meanwhile.isEmpty())
        writeFile(ext, theirs);
    w->area->setText("<p>mine!</p>");
    if (route == "save as")
        p.expect(ScriptedPrompter::SaveFile{"", ext});
    if (route == "exit")
        p.expect(Msg{"File not saved. Would you like to save your file first?",
                     "Assistant: Quorl", Icon::Question, Buttons::YesNo, Answer::Yes});
    if (answer)
        p.expect(changedQuestion(ext, *answer));
    if (route == "save") {
        w->Save();
    } else if (route == "save as") {
        w->SaveAs();
    } else {
        p.expect(Msg{"The file was not saved, so Quorl Vevevodi did not exit.",
                     "Assistant: Quorl", Icon::Exclamation});
        w->Exit();
        QCOMPARE(m_exits, 0);
    }
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(bytesOf(ext), written ? QByteArray("<p>mine!</p>\r\n") : theirs);
    QCOMPARE(w->star, QString(written ? "" : "*"));
    // Once this window wrote the file, its next save asks nothing.
    if (written) {
        w->area->setText("<p>again</p>");
        w->Save();
        QCOMPARE(bytesOf(ext), QByteArray("<p>again</p>\r\n"));
    }
}

void TestSourceFiles::closeUnloadsTheListAndRunsExit()
{
    WindowDirectory::registerWindow("table", [] { return new QWidget; });
    WindowDirectory::registerWindow("frmHelp", [] { return new QWidget; });
    WindowDirectory::touch("table");
    WindowDirectory::touch("frmHelp");
    m_exits = 0;
    ScriptedPrompter p;
    p.expect(Msg{"Are you sure you want to exit?", "Confirm Exit: Quorl Vevevodi",
                 Icon::Question, Buttons::YesNo, Answer::No});
    w->show();
    QVERIFY(!w->close());   // the close is refused
    QV_VERIFY_PROMPTS(p);
    QVERIFY(w->isVisible());
    QVERIFY(!WindowDirectory::isLoaded("table"));
    QVERIFY(WindowDirectory::isLoaded("frmHelp"));  // not in the list
    QCOMPARE(m_exits, 0);
}

QTEST_MAIN(TestSourceFiles)
#include "tst_sourcefiles.moc"
