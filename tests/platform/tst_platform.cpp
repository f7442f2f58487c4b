#include "platform/clipboard.h"
#include "platform/commondialog.h"
#include "platform/programexit.h"
#include "platform/programfolder.h"
#include "platform/programlauncher.h"
#include "platform/regularfile.h"
#include "platform/richtext.h"
#include "platform/settingsstore.h"
#include "platform/textfiles.h"
#include "platform/windowdirectory.h"
#include "platform/windowplacement.h"
#include "support/hangguard.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/showntext.h"
#include "support/testenv.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class LoadCounting : public QWidget, public LoadStep
{
public:
    void load() override { ++loads; }
    int loads = 0;
};

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textFilesWrite_data();
    void textFilesWrite();
    void textFilesRead_data();
    void textFilesRead();
    void textFilesFailuresKeepTheOldFile();
    void textFilesWriteInAFolderTheUserCannotWrite_data();
    void textFilesWriteInAFolderTheUserCannotWrite();
    void specialFilesAreNotRead_data();
    void specialFilesAreNotRead();
    void textFilesPageEncoding_data();
    void textFilesFormat_data();
    void textFilesFormat();
    void textFilesPageEncoding();
    void textFilesKeepInvalidBytes_data();
    void textFilesKeepInvalidBytes();
    void textFilesDeclarationAsBrowsersFindIt_data();
    void textFilesDeclarationAsBrowsersFindIt();
    void settingsStore();
    void commonDialogKeepsStateAndReportsCancel();
    void commonDialogFilter();
    void scriptedPrompterFailsOnUnexpectedPrompt();
    void realPrompterShowsTextAsWritten_data();
    void realPrompterShowsTextAsWritten();
    void programFolderMatchesCaseInsensitively();
    void windowDirectory();
    void launcher();
    void exitSyncsSettings();
    void clipboard();
    void makeTopmostKeepsGeometry();

private:
    TestEnv m_env;
};

void TestPlatform::textFilesWrite_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("crlf kept") << "a\r\nb" << QByteArray("a\r\nb");
    QTest::newRow("lf and cr become crlf") << "a\nb\rc" << QByteArray("a\r\nb\r\nc");
    QTest::newRow("utf-8 without bom") << QString::fromUtf8("\u00e9\u20ac")
                                       << QByteArray("\xc3\xa9\xe2\x82\xac");
}

void TestPlatform::textFilesWrite()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    const QString path = m_env.scratch("w.html");
    QString error;
    QVERIFY2(TextFiles::write(path, text, &error), qPrintable(error));
    QCOMPARE(readBytes(path), bytes);
    QString back;
    QVERIFY(TextFiles::read(path, &back));
    QCOMPARE(back, TextFiles::toCrLf(text));
}

void TestPlatform::textFilesRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("utf-8") << QByteArray("caf\xc3\xa9") << QString::fromUtf8("caf\u00e9");
    QTest::newRow("utf-8 bom dropped") << QByteArray("\xef\xbb\xbfx") << "x";
    QTest::newRow("windows-1252") << QByteArray("caf\xe9 \x80 \x93q\x94")
                                  << QString::fromUtf8("caf\u00e9 \u20ac \u201cq\u201d");
    QTest::newRow("windows-1252, unassigned bytes kept")
        << QByteArray("\xe9\x81\x8d\x8f\x90\x9d")
        << QString::fromUtf8("\u00e9\u0081\u008d\u008f\u0090\u009d");
    QTest::newRow("line ends as in the file") << QByteArray("a\nb\r\n") << "a\nb\r\n";
}

void TestPlatform::textFilesRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const QString path = m_env.scratch("r.html");
    writeBytes(path, bytes);
    QString read;
    QVERIFY(TextFiles::read(path, &read));
    QCOMPARE(read, text);
}

void TestPlatform::textFilesFailuresKeepTheOldFile()
{
    QString text, error;
    QVERIFY(!TextFiles::read(m_env.scratch("missing.html"), &text, &error));
    QVERIFY(!error.isEmpty());

    QVERIFY(!TextFiles::write(m_env.scratch("no/such/folder/x.html"), "x", &error));

    // A write that fails part-way (the file-size limit stands in for a full
    // disk, and holds even for root) leaves the existing file whole.
    const QString path = m_env.scratch("page.html");
    writeBytes(path, "old");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    error.clear();
    const bool written = TextFiles::write(path, QString(8192, u'n'), &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readBytes(path), QByteArray("old"));
    QCOMPARE(QDir(m_env.scratch()).entryList({"page.html*"}, QDir::Files).size(), 1);
}

void TestPlatform::textFilesWriteInAFolderTheUserCannotWrite_data()
{
    QTest::addColumn<long>("sizeLimit"); // 0: none
    QTest::addColumn<QByteArray>("written"); // what the file then holds
    QTest::newRow("written in place") << 0L << QByteArray(3000, 'n');
    // A write that fails part-way cannot keep the old file, and says so.
    QTest::newRow("failing part-way") << 1024L << QByteArray(1024, 'n');
}

void TestPlatform::textFilesWriteInAFolderTheUserCannotWrite()
{
    QFETCH(long, sizeLimit);
    QFETCH(QByteArray, written);
    QTemporaryDir parent;
    const QString path = TestFiles::fileInLockedFolder(parent.path(), "page.html", "old");
    QVERIFY(!path.isEmpty());
    bool saved = false;
    QString error;
    const auto save = [&] { saved = TextFiles::write(path, QString(3000, u'n'), &error); };
    const bool ran = TestFiles::asNobody([&] {
        if (sizeLimit)
            TestFiles::withFileSizeLimit(sizeLimit, save);
        else
            save();
    });
    if (!ran)
        QSKIP("The user cannot be changed here");
    QCOMPARE(saved, sizeLimit == 0);
    QCOMPARE(readBytes(path), written);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"page.html"});
    if (sizeLimit)
        QVERIFY2(error.contains("may now be damaged"), qPrintable(error));
}

void TestPlatform::specialFilesAreNotRead_data()
{
    // A FIFO named like a page: opening it for reading waits for a writer.
    const QString fifo = m_env.scratch("waits.rpw");
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QVERIFY(QFile::link(fifo, m_env.scratch("linked.html")));
    QTest::addColumn<QString>("path");
    QTest::newRow("fifo") << fifo;
    QTest::newRow("link to a fifo") << m_env.scratch("linked.html");
    QTest::newRow("device") << "/dev/zero";
    // The kernel's files look regular; /proc/kmsg blocks until the kernel logs.
    if (QFile::exists("/proc/kmsg")) {
        QVERIFY(QFile::link("/proc/kmsg", m_env.scratch("notes.html")));
        QTest::newRow("kernel messages") << "/proc/kmsg";
        QTest::newRow("link to kernel messages") << m_env.scratch("notes.html");
    }
    QTest::newRow("proc") << "/proc/self/status";
    QVERIFY(QFile::link("/proc/self", m_env.scratch("self")));
    QTest::newRow("proc through a folder link") << m_env.scratch("self") + "/status";
    if (QFile::exists("/sys/kernel/uevent_seqnum"))
        QTest::newRow("sys") << "/sys/kernel/uevent_seqnum";
}

void TestPlatform::specialFilesAreNotRead()
{
    QFETCH(QString, path);
    HangGuard guard("Reading a special file");
    QString text;
    QString error;
    QVERIFY(!TextFiles::read(path, &text, &error));
    QCOMPARE(error, QString("Not a regular file"));
    QVERIFY(!RichText::readPlainTextFile(path, &text));
    QVERIFY(!RegularFile::isRegular(path));
}

void TestPlatform::textFilesPageEncoding_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("readIn");
    QTest::addColumn<QByteArray>("bytes");
    const QString body = QString::fromUtf8("<p>caf\u00e9 \u20ac \u2014 \u0109 \U0001F600</p>");
    const QByteArray cp1252Body("<p>caf\xe9 \x80 \x97 &#265; &#128512;</p>");
    QTest::newRow("http-equiv windows-1252")
        << "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">"
               + body
        << "UTF-8"
        << "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">"
               + cp1252Body;
    QTest::newRow("meta charset iso-8859-1")
        << "<meta charset='ISO-8859-1'>" + body << "UTF-8"
        << "<meta charset='ISO-8859-1'>" + cp1252Body;
    QTest::newRow("declared utf-8 wins over the read encoding")
        << "<meta charset=\"utf-8\">" + body << "windows-1252"
        << "<meta charset=\"utf-8\">" + body.toUtf8();
    QTest::newRow("no declaration: as read")
        << body << "windows-1252" << cp1252Body;
    QTest::newRow("unknown label: as read")
        << "<meta charset=\"x-no-such\">" + body << "UTF-8"
        << "<meta charset=\"x-no-such\">" + body.toUtf8();
    QTest::newRow("koi8-r, what it cannot hold as references")
        << QString::fromUtf8("<meta charset=\"koi8-r\"><p>\u041f\u0440\u0438 \u00e9</p>")
        << "UTF-8" << QByteArray("<meta charset=\"koi8-r\"><p>\xf0\xd2\xc9 &#233;</p>");
    QTest::newRow("xml declaration")
        << QString::fromUtf8("<?xml version=\"1.0\" encoding=\"windows-1252\"?><p>\u00e9</p>")
        << "UTF-8" << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1252\"?><p>\xe9</p>");
    QTest::newRow("undeclared ascii: references beyond it")
        << body << "US-ASCII" << QByteArray("<p>caf&#233; &#8364; &#8212; &#265; &#128512;</p>");
    QTest::newRow("first declaration decides")
        << "<meta name=\"x\"><meta charset=\"windows-1252\"><meta charset=\"utf-8\">" + body
        << "UTF-8"
        << "<meta name=\"x\"><meta charset=\"windows-1252\"><meta charset=\"utf-8\">"
               + cp1252Body;
}

void TestPlatform::textFilesPageEncoding()
{
    QFETCH(QString, page);
    QFETCH(QString, readIn);
    QFETCH(QByteArray, bytes);
    const QString path = m_env.scratch("enc.html");
    QString error;
    TextFiles::Format format;
    format.encoding = readIn;
    QVERIFY2(TextFiles::write(path, page, &error, format), qPrintable(error));
    QCOMPARE(readBytes(path), bytes);
}

void TestPlatform::textFilesFormat_data()
{
    using L = TextFiles::LineEnd;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<bool>("mark");
    QTest::addColumn<int>("lineEnd");
    QTest::addColumn<bool>("sameBytes");
    QTest::newRow("utf-32le by its mark")
        << QByteArray("\xff\xfe\0\0<\0\0\0\xe9\0\0\0\n\0\0\0", 16)
        << QString::fromUtf8("<\u00e9\n") << "UTF-32LE" << true << int(L::Lf) << true;
    QTest::newRow("utf-16be without a mark")
        << QByteArray("\0<\0p\0>\x04\x1f\0\r\0\n", 12)
        << QString::fromUtf8("<p>\u041f\r\n") << "UTF-16BE" << false << int(L::CrLf) << true;
    QTest::newRow("cr only") << QByteArray("a\rb\r") << "a\rb\r" << "US-ASCII" << false
                             << int(L::Cr) << true;
    QTest::newRow("mixed line ends become cr lf")
        << QByteArray("a\nb\r\nc") << "a\nb\r\nc" << "US-ASCII" << false << int(L::CrLf)
        << false;
    QTest::newRow("a mark before bytes that are no utf-8")
        << QByteArray("\xef\xbb\xbf<p>caf\xe9</p>")
        << QString::fromUtf8("<p>caf\uf7e9</p>") << "UTF-8" << true << int(L::CrLf) << true;
    QTest::newRow("declared utf-8 that is not: every byte kept")
        << QByteArray("<meta charset=utf-8>caf\xe9")
        << QString::fromUtf8("<meta charset=utf-8>caf\uf7e9") << "UTF-8" << false
        << int(L::CrLf) << true;
    QTest::newRow("declared koi8-r")
        << QByteArray("<meta charset=koi8-r>\xf0")
        << QString::fromUtf8("<meta charset=koi8-r>\u041f") << "KOI8-R" << false
        << int(L::CrLf) << true;
    QTest::newRow("declared utf-16 without a mark is read as utf-8")
        << QByteArray("<meta charset=utf-16>\xc3\xa9")
        << QString::fromUtf8("<meta charset=utf-16>\u00e9") << "UTF-8" << false
        << int(L::CrLf) << true;
}

void TestPlatform::textFilesFormat()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QString, encoding);
    QFETCH(bool, mark);
    QFETCH(int, lineEnd);
    QFETCH(bool, sameBytes);
    QString read;
    TextFiles::Format format;
    QVERIFY(TextFiles::decode(bytes, &read, &format));
    QCOMPARE(read, text);
    if (!encoding.isNull())
        QCOMPARE(format.encoding, encoding);
    QCOMPARE(format.byteOrderMark, mark);
    QCOMPARE(int(format.lineEnd), lineEnd);
    const QByteArray written = TextFiles::encode(read, format);
    QCOMPARE(written == bytes, sameBytes);
    if (!sameBytes)
        QCOMPARE(written, TextFiles::toCrLf(read).toUtf8());
}

void TestPlatform::textFilesKeepInvalidBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<bool>("kept");
    QTest::newRow("declared utf-8, three stray bytes")
        << QByteArray("<meta charset=\"UTF-8\"><p>Caf\xe9 \xc3 \xff P\xc3\xa1vlovna \xe2\x80\x94</p>")
        << QString::fromUtf8("<meta charset=\"UTF-8\"><p>Caf\uf7e9 \uf7c3 \uf7ff P\u00e1vlovna "
                             "\u2014</p>")
        << "UTF-8" << true;
    QTest::newRow("utf-8: overlong, surrogate, cut short")
        << QByteArray("<meta charset=utf-8>\xc0\xaf\xed\xa0\x80\xc3\xa9\xe2\x80")
        << QString::fromUtf8("<meta charset=utf-8>\uf7c0\uf7af\uf7ed\uf7a0\uf780\u00e9\uf7e2"
                             "\uf780")
        << "UTF-8" << true;
    QTest::newRow("undeclared utf-8 the detector names")
        << QByteArray("<p>\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82, \xd0\xbc\xd0\xb8"
                      "\xd1\x80! \xc3\xa9t\xc3\xa9 \xe2\x80\x94 \xff</p>")
        << QString::fromUtf8("<p>\u041f\u0440\u0438\u0432\u0435\u0442, \u043c\u0438\u0440! "
                             "\u00e9t\u00e9 \u2014 \uf7ff</p>")
        << "UTF-8" << true;
    QTest::newRow("shift_jis, a lead byte without its second")
        << QByteArray("<meta charset=shift_jis>\x82\xa0\x81 \x82\xa2")
        << QString::fromUtf8("<meta charset=shift_jis>\u3042\uf781 \u3044") << "Shift_JIS"
        << true;
    QTest::newRow("utf-8 that holds the kept range itself")
        << QByteArray("<meta charset=utf-8>\xef\x9c\x80\xc3\xa9")
        << QString::fromUtf8("<meta charset=utf-8>\uf7ef\uf79c\uf780\u00e9") << "UTF-8" << true;
    QTest::newRow("undeclared utf-8 that holds the kept range itself")
        << QByteArray("<p>\xef\x9f\xbf\xc3\xa9</p>")
        << QString::fromUtf8("<p>\uf7ef\uf79f\uf7bf\u00e9</p>") << "UTF-8" << true;
    QTest::newRow("utf-16 holds it as a character")
        << QByteArray("\xff\xfe\x00\xf7<\x00", 6) << QString::fromUtf8("\uf700<")
        << "UTF-16LE" << false;
}

void TestPlatform::textFilesKeepInvalidBytes()
{
    // The page is read in its own encoding, whatever it holds, and written
    // back to the same bytes.
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QString, encoding);
    QFETCH(bool, kept);
    QString read;
    TextFiles::Format format;
    QVERIFY(TextFiles::decode(bytes, &read, &format));
    QCOMPARE(read, text);
    QCOMPARE(format.encoding, encoding);
    QCOMPARE(format.keptBytes, kept);
    QCOMPARE(TextFiles::encode(read, format), bytes);
}

void TestPlatform::textFilesDeclarationAsBrowsersFindIt_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("encoding");
    const QString real = "<meta charset=\"utf-8\">";
    QTest::newRow("commented out") << "<!-- <meta http-equiv=\"Content-Type\" content=\"text/"
                                      "html; charset=iso-8859-1\"> -->" + real << "UTF-8";
    QTest::newRow("in a script") << "<script>w('<meta charset=koi8-r>')</script>" + real
                                 << "UTF-8";
    QTest::newRow("in a style") << "<STYLE>/* <meta charset=koi8-r> */</STYLE>" + real
                                << "UTF-8";
    QTest::newRow("in an attribute value")
        << "<div title='<meta charset=koi8-r>' data-x=\"charset=koi8-r\">" + real << "UTF-8";
    QTest::newRow("content without http-equiv")
        << "<meta name=\"x\" content=\"text/html; charset=koi8-r\">" + real << "UTF-8";
    QTest::newRow("unquoted http-equiv")
        << "<META HTTP-EQUIV=Content-Type CONTENT='text/html; charset=koi8-r'>" + real
        << "KOI8-R";
    QTest::newRow("a comment never closed") << "<!-- " + real << "";
}

void TestPlatform::textFilesDeclarationAsBrowsersFindIt()
{
    QFETCH(QString, page);
    QFETCH(QString, encoding);
    QCOMPARE(TextFiles::declaredEncoding(page), encoding);
}

void TestPlatform::settingsStore()
{
    QCOMPARE(SettingsStore::value("MRUs", "1", "none"), QString("none"));
    SettingsStore::setValue("StartUp Assistant", "appear", "1");
    QCOMPARE(SettingsStore::value("StartUp Assistant", "appear"), QString("1"));
    SettingsStore::setValue("tst_platform", "Options", "Show", "0");
    QCOMPARE(SettingsStore::value("tst_platform", "Options", "Show", "1"), QString("0"));
    QCOMPARE(SettingsStore::value("Options", "Show", "x"), QString("x"));  // other application
    SettingsStore::sync();
    QVERIFY(QDir(m_env.settingsFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                .size() > 0);
}

void TestPlatform::commonDialogKeepsStateAndReportsCancel()
{
    ScriptedPrompter prompter;
    CommonDialog dlg;
    dlg.DialogTitle = "Open";
    dlg.FileName = "/tmp/before.html";
    prompter.expect(ScriptedPrompter::OpenFile{"Open", std::nullopt});
    QVERIFY(!dlg.ShowOpen());
    QCOMPARE(dlg.FileName, QString("/tmp/before.html"));

    dlg.DialogTitle = "Save As";
    dlg.DefaultExt = "html";
    prompter.expect(ScriptedPrompter::SaveFile{"Save As", QString("/tmp/page")});
    QVERIFY(dlg.ShowSave());
    QCOMPARE(dlg.FileName, QString("/tmp/page.html"));
    QCOMPARE(prompter.lastFileRequest().defaultSuffix, QString("html"));

    prompter.expect(ScriptedPrompter::Color{QColor(Qt::black)});
    QVERIFY(dlg.ShowColor());
    QCOMPARE(dlg.Color, QColor(Qt::black));
    prompter.expect(ScriptedPrompter::Color{std::nullopt});
    QVERIFY(!dlg.ShowColor());
    QCOMPARE(dlg.Color, QColor(Qt::black));
    QV_VERIFY_PROMPTS(prompter);
}

void TestPlatform::commonDialogFilter()
{
    QCOMPARE(CommonDialog::qtFilter("HTML Files (*.htm;*.html)|*.htm;*.html|All Files|*.*"),
             QString("HTML Files (*.htm *.html);;All Files (*.*)"));
    QCOMPARE(CommonDialog::qtFilter("HTML Files (*.html)|*.html|Web|*.htm;*.html"),
             QString("HTML Files (*.html);;Web (*.htm *.html)"));
    QCOMPARE(CommonDialog::qtFilter(QString()), QString());
}

void TestPlatform::scriptedPrompterFailsOnUnexpectedPrompt()
{
    ScriptedPrompter prompter;
    QEXPECT_FAIL("", "an unscripted prompt fails the test", Continue);
    const auto answer = Prompter::ask("Are you sure?", "Assistant: Quorl",
                                      Prompter::Icon::Question, Prompter::Buttons::YesNo);
    QCOMPARE(answer, Prompter::Answer::No);
    QCOMPARE(prompter.failures().size(), 1);

    ScriptedPrompter wrong;
    wrong.expect(ScriptedPrompter::Message{"Text", "Title", Prompter::Icon::Critical,
                                           Prompter::Buttons::Ok, Prompter::Answer::Ok});
    QEXPECT_FAIL("", "a prompt that differs from the script fails the test", Continue);
    Prompter::tell("Text", "Title", Prompter::Icon::Information);
    QCOMPARE(wrong.failures().size(), 1);

    {
        ScriptedPrompter unused;
        unused.expect(ScriptedPrompter::Message{"Never", "Title"});
        QEXPECT_FAIL("", "a scripted prompt that never came fails the test", Continue);
    }
}

void TestPlatform::realPrompterShowsTextAsWritten_data()
{
    QTest::addColumn<bool>("input");
    QTest::addColumn<QString>("text");
    QTest::newRow("message") << false << "Unable to find <head> </head> tags. Cannot proceed";
    QTest::newRow("message, entity") << false << "<b>bold</b> &amp; more";
    QTest::newRow("input prompt") << true << "Text for <center>:";
}

void TestPlatform::realPrompterShowsTextAsWritten()
{
    QFETCH(bool, input);
    QFETCH(QString, text);
    // The real dialogs, read while they show.
    ModalReader reader;
    if (input)
        QCOMPARE(Prompter::instance().input(text, "Title", "x"), std::nullopt);
    else
        Prompter::tell(text, "Title", Prompter::Icon::Critical);
    QCOMPARE(reader.text(), text);
}

void TestPlatform::programFolderMatchesCaseInsensitively()
{
    const QDir root(m_env.programFolder());
    QVERIFY(root.mkpath("Crash"));
    QCOMPARE(ProgramFolder::resolve("crash\\x.crw"), root.filePath("Crash/x.crw"));
    QCOMPARE(ProgramFolder::resolve("/CRASH/"), root.filePath("Crash"));
    QCOMPARE(ProgramFolder::resolve("NewFolder/a.txt"), root.filePath("NewFolder/a.txt"));
    QCOMPARE(ProgramFolder::path(), m_env.programFolder());
}

void TestPlatform::windowDirectory()
{
    int created = 0;
    WindowDirectory::registerWindow("counting", [&created] {
        ++created;
        return new LoadCounting;
    });
    QVERIFY(!WindowDirectory::isLoaded("counting"));
    auto *w = static_cast<LoadCounting *>(WindowDirectory::touch("counting"));
    QVERIFY(w);
    QCOMPARE(w->loads, 1);
    QCOMPARE(w->objectName(), QString("counting"));
    QCOMPARE(WindowDirectory::touch("counting"), w);
    QCOMPARE(created, 1);
    QCOMPARE(w->loads, 1);

    QPointer<QWidget> guard(w);
    WindowDirectory::unload("counting");
    QVERIFY(!WindowDirectory::isLoaded("counting"));
    QTRY_VERIFY(guard.isNull());
    WindowDirectory::unload("counting");    // not loaded: nothing happens
    WindowDirectory::unload("neverBuilt");
    QCOMPARE(WindowDirectory::touch("neverBuilt"), nullptr);

    // A window that destroys itself leaves the directory too.
    auto *again = WindowDirectory::touch("counting");
    QCOMPARE(created, 2);
    delete again;
    QVERIFY(!WindowDirectory::isLoaded("counting"));
}

void TestPlatform::launcher()
{
    const QString script = m_env.scratch("tool.sh");
    const QString marker = m_env.scratch("ran");
    writeBytes(script, QByteArray("#!/bin/sh\ntouch \"") + marker.toUtf8() + "\"\n");
    QString error;
    QVERIFY(!ProgramLauncher::start(script, {}, &error));
    QVERIFY(!error.isEmpty());
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(ProgramLauncher::start(script, {}, &error));
    QTRY_VERIFY(QFile::exists(marker));
    QVERIFY(!ProgramLauncher::start(m_env.scratch("absent.exe"), {}, &error));
}

void TestPlatform::exitSyncsSettings()
{
    bool exited = false;
    ProgramExit::setHandlerForTests([&exited] { exited = true; });
    SettingsStore::setValue("Crash", "crash", "0");
    ProgramExit::exitNow();
    QVERIFY(exited);
    ProgramExit::setHandlerForTests({});
    QVERIFY(QDir(m_env.settingsFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                .size() > 0);
}

void TestPlatform::clipboard()
{
    Clipboard::setText("plain");
    QVERIFY(Clipboard::hasText());
    QCOMPARE(Clipboard::text(), QString("plain"));
    Clipboard::setHtml("<b>x</b>", "x");
    QCOMPARE(Clipboard::text(), QString("x"));
    QVERIFY(Clipboard::html().contains("<b>x</b>"));
    Clipboard::clear();
    QVERIFY(!Clipboard::hasText());
    QCOMPARE(Clipboard::text(), QString());
}

void TestPlatform::makeTopmostKeepsGeometry()
{
    QWidget w;
    w.setGeometry(100, 120, 300, 200);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QSize size = w.size();
    MakeTopmost(&w);
    QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(w.isVisible());
    QCOMPARE(w.size(), size);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
