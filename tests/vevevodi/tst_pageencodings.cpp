// Pages in every encoding, mark and line end, opened and saved by both main
// windows: unchanged they keep every byte; edited they keep their format.

#include "app/windowregistry.h"
#include "dialogs/documentedit.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "editor/templates.h"
#include "editor/optfunctions.h"
#include "platform/htmleditview.h"
#include "platform/programexit.h"
#include "platform/sourcearea.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringEncoder>
#include <QTest>

#include <algorithm>

using TestEngine::settle;
using TestFiles::bytes;

namespace {

const QStringList kFixtures = {
    "utf16le-bom.html", "utf16be-bom.html", "utf8-bom-nometa.html", "xml-declaration.html",
    "koi8r-declared.html", "shiftjis-undeclared.html", "lf.html", "crlf.html",
    "no-final-break.html", "utf8-old-meta-commented.html", "ascii-undeclared-references.html",
    "pre-blank-lines.html"};

// The characters of the pages with stray bytes, as both windows must show them.
const QString kStrayTitle = QString::fromUtf8("<title>Caf\u00e9</title>");
const QString kStrayText =
    QString::fromUtf8(" Anna P\u00e1vlovna \u2014 \u041f\u0440\u0438 \u3042</p>");
const QByteArray kStrayBytes("\xe9 \xc3 \xff");

ScriptedPrompter::Message strayNote(const QString &path, const QString &fate)
{
    return {path + " holds bytes that are not valid in its encoding (UTF-8). " + fate,
            "Assistant: Quorl", Prompter::Icon::Exclamation};
}

QByteArray fixtureBytes(const QString &name)
{
    return bytes(TestEnv::fixture("encodings/" + name));
}

} // namespace

class TestPageEncodings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void unchangedSourceKeepsEveryByte_data();
    void unchangedSourceKeepsEveryByte();
    void unchangedComposerKeepsEveryByte_data();
    void unchangedComposerKeepsEveryByte();
    void wholeDocumentEditKeepsTheDeclaration();
    void editedPageKeepsItsFormat_data();
    void editedPageKeepsItsFormat();
    void importedTemplateKeepsItsFormat_data();
    void importedTemplateKeepsItsFormat();
    void strayBytesKeptInSource_data();
    void strayBytesKeptInSource();
    void strayBytesInComposer_data();
    void strayBytesInComposer();
    void asciiPageTakesReferences();
    void binaryFileIsRefused();
    void bigPageWithMark();

private:
    using Note = std::optional<ScriptedPrompter::Message>;
    void openInSource(const QString &path, const Note &note = {});
    void openInComposer(const QString &path, const Note &note = {});
    QString scratchCopy(const QString &fixture);
    TestEnv m_env;
};

void TestPageEncodings::initTestCase()
{
    registerWindows();
    ProgramExit::setHandlerForTests([] {});
}

void TestPageEncodings::cleanup()
{
    TestEnv::unloadWindows();
}

QString TestPageEncodings::scratchCopy(const QString &fixture)
{
    const QString path = m_env.scratch(fixture);
    if (!TestFiles::write(path, fixtureBytes(fixture)))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestPageEncodings::openInSource(const QString &path, const Note &note)
{
    Quorl()->star.clear();
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::OpenFile{"", path});
    if (note)
        p.expect(*note);
    Quorl()->Open();
    QV_VERIFY_PROMPTS(p);
}

void TestPageEncodings::openInComposer(const QString &path, const Note &note)
{
    SourceWindow *q = Quorl();
    ComposerWindow *c = Composr();
    q->star.clear();
    ShowVevevodi();
    QVERIFY(QTest::qWaitForWindowExposed(c));
    QVERIFY(settle(c->txtComp));
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::OpenFile{"", path});
    if (note)
        p.expect(*note);
    c->Open();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(settle(c->txtComp));
}

void TestPageEncodings::unchangedSourceKeepsEveryByte_data()
{
    QTest::addColumn<QString>("fixture");
    for (const QString &name : kFixtures)
        QTest::newRow(qPrintable(name)) << name;
}

void TestPageEncodings::unchangedSourceKeepsEveryByte()
{
    QFETCH(QString, fixture);
    const QString path = scratchCopy(fixture);
    openInSource(path);
    Quorl()->Save();
    QCOMPARE(bytes(path), fixtureBytes(fixture));
}

void TestPageEncodings::unchangedComposerKeepsEveryByte_data()
{
    unchangedSourceKeepsEveryByte_data();
}

void TestPageEncodings::unchangedComposerKeepsEveryByte()
{
    QFETCH(QString, fixture);
    const QString path = scratchCopy(fixture);
    openInComposer(path);
    // Every character arrives: nothing shown as escaped text or lost.
    const QString body = TestEngine::body(Composr()->txtComp);
    QVERIFY2(!body.contains(u'\u00c3') && !body.contains(QChar(0)) && !body.contains("&lt;"),
             qPrintable(body));
    Composr()->Save();
    QCOMPARE(bytes(path), fixtureBytes(fixture));
}

void TestPageEncodings::wholeDocumentEditKeepsTheDeclaration()
{
    // A dialog's edit puts the page back in place of the composer's, and its
    // Undo puts the nodes before it back: the declaration lives through both.
    const QString path = scratchCopy("xml-declaration.html");
    openInComposer(path);
    QVERIFY(WholeDocument::apply(true, {}, [](const QString &text) {
        EditedText edited(text, 0);
        edited.insert(edited.find(QLatin1String("</head>")), "<meta name=\"made\">");
        return edited.result();
    }));
    QVERIFY(settle(Composr()->txtComp));
    Composr()->Save();
    const QByteArray edited = bytes(path);
    QVERIFY2(edited.startsWith("<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n"),
             edited.left(80).constData());
    QVERIFY(edited.contains("<meta name=\"made\">"));

    Menus::find(Composr(), "mnuUndo")->trigger();
    QVERIFY(settle(Composr()->txtComp));
    Composr()->Save();
    QCOMPARE(bytes(path), fixtureBytes("xml-declaration.html"));
}

void TestPageEncodings::editedPageKeepsItsFormat_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("mark");
    QTest::addColumn<QByteArray>("expected");
    const QString typed = QString::fromUtf8("<!-- \u00e9 \u041c \u3042 -->\r\n");
    const auto as = [](const char *name, const QString &text) {
        QStringEncoder e(name);
        return QByteArray(e(text));
    };
    QTest::newRow("lf") << "lf.html" << typed << QByteArray()
                        << QByteArray("<!-- \xc3\xa9 \xd0\x9c \xe3\x81\x82 -->\n");
    QTest::newRow("utf-16be with mark")
        << "utf16be-bom.html" << typed << QByteArray("\xfe\xff")
        << as("UTF-16BE", typed);
    QTest::newRow("utf-8 with mark")
        << "utf8-bom-nometa.html" << typed << QByteArray("\xef\xbb\xbf") << typed.toUtf8();
    QTest::newRow("koi8-r") << "koi8r-declared.html" << typed << QByteArray()
                            << QByteArray("<!-- &#233; \xed &#12354; -->\r\n");
    QTest::newRow("undeclared shift_jis") << "shiftjis-undeclared.html" << typed << QByteArray()
                                          << QByteArray("<!-- &#233; \x84\x4d \x82\xa0 -->\r\n");
}

void TestPageEncodings::editedPageKeepsItsFormat()
{
    QFETCH(QString, fixture);
    QFETCH(QString, typed);
    QFETCH(QByteArray, mark);
    QFETCH(QByteArray, expected);
    const QByteArray original = fixtureBytes(fixture);
    QVERIFY(original.startsWith(mark));
    const QString path = scratchCopy(fixture);
    openInSource(path);
    SourceWindow *q = Quorl();
    q->area->setSelStart(0);
    q->area->setSelText(typed);
    q->Save();
    QCOMPARE(bytes(path), mark + expected + original.mid(mark.size()));
}

void TestPageEncodings::importedTemplateKeepsItsFormat_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("utf-8 with mark") << "utf8-bom-nometa.html";
    QTest::newRow("utf-16le") << "utf16le-bom.html";
    QTest::newRow("lf") << "lf.html";
}

void TestPageEncodings::importedTemplateKeepsItsFormat()
{
    QFETCH(QString, fixture);
    const QString path = scratchCopy(fixture);
    Quorl()->star.clear();
    ShowVevevodi();
    QVERIFY(settle(Composr()->txtComp));
    using Msg = ScriptedPrompter::Message;
    ScriptedPrompter p;
    p.expect(Msg{"", "Assistant: Quorl", Prompter::Icon::Question, Prompter::Buttons::YesNo,
                 Prompter::Answer::Yes});
    p.expect(ScriptedPrompter::OpenFile{"", path});
    p.expect(ScriptedPrompter::Input{"Enter the name of the template", "Import Template",
                                     "Kept"});
    p.expect(Msg{"Template Imported!", "Template Manager", Prompter::Icon::Information});
    Templates::ImportTemplate(Quorl()->comdlg);
    QV_VERIFY_PROMPTS(p);
    // The template is the page as the composer writes it, without a final line break.
    QByteArray expected = fixtureBytes(fixture);
    expected.chop(fixture.startsWith("utf16") ? 4 : fixture == "lf.html" ? 1 : 2);
    QCOMPARE(bytes(QDir(Templates::folder()).filePath("TempKept.html")), expected);
}

void TestPageEncodings::strayBytesKeptInSource_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("declared") << "utf8-invalid-declared.html";
    QTest::newRow("undeclared") << "utf8-invalid-undeclared.html";
}

void TestPageEncodings::strayBytesKeptInSource()
{
    // The page is read in its encoding all the same; the stray bytes stay
    // as they were, through a switch to the composer and back too.
    QFETCH(QString, fixture);
    const QString path = scratchCopy(fixture);
    openInSource(path, strayNote(path, "They are kept as they are, and saved unchanged."));
    const QString text = Quorl()->area->text();
    QVERIFY2(text.contains(kStrayTitle) && text.contains(kStrayText), qPrintable(text));
    ShowVevevodi();
    QVERIFY(settle(Composr()->txtComp));
    Composr()->showSourceView();
    QVERIFY(Quorl()->area->text().contains(QString::fromUtf8("Caf\uf7e9 \uf7c3 \uf7ff")));
    Quorl()->Save();
    QCOMPARE(bytes(path), fixtureBytes(fixture));
}

void TestPageEncodings::strayBytesInComposer_data()
{
    strayBytesKeptInSource_data();
}

void TestPageEncodings::strayBytesInComposer()
{
    // The composer shows each stray byte as a browser does and says, before
    // any save, that it writes that character in its place; nothing else changes.
    QFETCH(QString, fixture);
    const QString path = scratchCopy(fixture);
    openInComposer(path, strayNote(path, QString::fromUtf8(
                                             "The composer shows each of them as \ufffd and "
                                             "cannot keep it: a save from the composer writes "
                                             "that character in its place. The source window "
                                             "keeps them.")));
    const QString shown = QString::fromUtf8("<p>Caf\ufffd \ufffd \ufffd") + kStrayText;
    QVERIFY2(TestEngine::body(Composr()->txtComp).contains(shown),
             qPrintable(TestEngine::body(Composr()->txtComp)));
    Composr()->Save();
    QByteArray expected = fixtureBytes(fixture);
    expected.replace(kStrayBytes, "\xef\xbf\xbd \xef\xbf\xbd \xef\xbf\xbd");
    QCOMPARE(bytes(path), expected);

    // Text typed into the page is written in the page's encoding.
    QVERIFY(Composr()->txtComp->evaluate(QString::fromUtf8(
        "(document.querySelector('p').textContent = 'typed \u00e9 \u2014', true)")));
    Composr()->Save();
    QVERIFY2(bytes(path).contains("<p>typed \xc3\xa9 \xe2\x80\x94</p>"), bytes(path).constData());
}

void TestPageEncodings::asciiPageTakesReferences()
{
    // A page that says nothing of its encoding and holds only ASCII may be
    // read as any encoding: what the composer adds to it comes as references.
    const QString path = scratchCopy("ascii-undeclared-references.html");
    openInComposer(path);
    QVERIFY(Composr()->txtComp->evaluate(QString::fromUtf8(
        "(document.querySelector('p').textContent = 'caf\u00e9 \u2014 \U0001F600', true)")));
    Composr()->Save();
    const QByteArray saved = bytes(path);
    QVERIFY2(saved.contains("<p>caf&#233; &#8212; &#128512;</p>"), saved.constData());
    QVERIFY(std::all_of(saved.begin(), saved.end(), [](char c) { return uchar(c) < 0x80; }));
}

void TestPageEncodings::binaryFileIsRefused()
{
    const QString path = m_env.scratch("picture.html");
    QVERIFY(TestFiles::write(path, QByteArray("GIF89a\x01\0\x01\0\x80\0\0<p>", 16)));
    SourceWindow *q = Quorl();
    q->area->setText("<p>kept</p>");
    q->DocumentPath = "/before.html";
    q->star.clear();
    const QString refused = "Unable to open " + path + "\r\nThe file holds NUL bytes and is no "
                            "UTF-16 or UTF-32 text, so it is not a page.";
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::OpenFile{"", path});
    p.expect(ScriptedPrompter::Message{refused, "Assistant: Quorl", Prompter::Icon::Critical});
    q->Open();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(q->area->text(), QString("<p>kept</p>"));
    QCOMPARE(q->DocumentPath, QString("/before.html"));

    // The composer's Open says the same and keeps its page.
    q->star.clear();
    ShowVevevodi();
    QVERIFY(settle(Composr()->txtComp));
    p.expect(ScriptedPrompter::OpenFile{"", path});
    p.expect(ScriptedPrompter::Message{refused, "Assistant: Quorl", Prompter::Icon::Critical});
    Composr()->Open();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(settle(Composr()->txtComp));
    QCOMPARE(TestEngine::body(Composr()->txtComp), QString("<p>kept</p>"));
    QCOMPARE(q->DocumentPath, QString("/before.html"));
}

void TestPageEncodings::bigPageWithMark()
{
    // A book of some 4 MB in UTF-8 with a mark and no META.
    QByteArray page = "\xef\xbb\xbf<!DOCTYPE html>\r\n<html><head>\r\n<title>Book</title>\r\n"
                      "</head>\r\n<body>\r\n";
    const QByteArray para = "<p>\xc2\xab" "Anna P\xc3\xa1vlovna\xc2\xbb said the prince, and "
                            "went on with his long story of the evening.</p>\r\n";
    while (page.size() < 4 * 1024 * 1024)
        page += para;
    page += "</body></html>\r\n";
    const QString path = m_env.scratch("book.html");
    QVERIFY(TestFiles::write(path, page));

    QElapsedTimer timer;
    timer.start();
    openInSource(path);
    Quorl()->Save();
    qInfo("source window: open and save of %lld bytes in %lld ms", qlonglong(page.size()),
          timer.restart());
    QCOMPARE(bytes(path), page);

    openInComposer(path);
    Composr()->Save();
    qInfo("composer: open and save in %lld ms", timer.elapsed());
    QCOMPARE(bytes(path), page);
}

QTEST_MAIN(TestPageEncodings)
#include "tst_pageencodings.moc"
