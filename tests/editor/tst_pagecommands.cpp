// The page edits both main windows share, and the source window's page
// commands: title, head snippets, snippets at the caret, spelling, printing.

#include "app/windowregistry.h"
#include "editor/menubuilder.h"
#include "editor/pagesnippets.h"
#include "editor/sourcewindow.h"
#include "platform/sourcearea.h"
#include "platform/spellchecker.h"
#include "platform/spelldialog.h"
#include "support/pdftext.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>

using namespace PageSnippets;

namespace {

const QString kNoHead = QStringLiteral("The Head tags <head> </head> are not found. Unable to "
                                       "proceed");

ScriptedPrompter::Message notice(const QString &text)
{
    return {text, QStringLiteral("Quorl"), Prompter::Icon::None, Prompter::Buttons::Ok};
}

ScriptedPrompter::Input titleInput(std::optional<QString> answer)
{
    return {QStringLiteral("Enter the page title"), QStringLiteral("Quorl Vevevodi"), answer};
}

} // namespace

class TestPageCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void pageTitle_data();
    void pageTitle();
    void beforeHeadEnd_data();
    void beforeHeadEnd();
    void blocks();
    void flashPathIsAttributeSafe();
    void homePageLink();
    void itemsAreUsable();
    void titleCommand_data();
    void titleCommand();
    void headCommands_data();
    void headCommands();
    void caretSnippets();
    void makeDefault_data();
    void makeDefault();
    void spellCheck();
    void spellCheckWithoutDictionary();
    void print_data();
    void print();

private:
    TestEnv m_env;
};

void TestPageCommands::initTestCase()
{
    registerWindows();
    SpellChecker::setDictionaryForTests(TestEnv::fixture("spell/small"));
}

void TestPageCommands::cleanup()
{
    TestEnv::unloadWindows();
}

void TestPageCommands::pageTitle_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("result");  // empty: refused
    QTest::newRow("fills an empty title")
        << "<head><title></title></head>" << "Welcome" << "<head><title>Welcome</title></head>";
    QTest::newRow("replaces, capital tags kept")
        << "<HEAD><TITLE>Old one</TITLE></HEAD>" << "Start"
        << "<HEAD><TITLE>Start</TITLE></HEAD>";
    QTest::newRow("none: before the head end")
        << "<html><HEAD>\r\n</Head><body></body></html>" << "A & <b>"
        << "<html><HEAD>\r\n<title>A & <b></title></Head><body></body></html>";
    QTest::newRow("neither title nor head") << "<p>text</p>" << "T" << "";
    QTest::newRow("no end tag") << "<title>x</head>" << "T" << "";
    QTest::newRow("end tag only before the start tag")
        << "</title><title>x" << "T" << "";
    QTest::newRow("first of two") << "<title>a</title><title>b</title>" << "T"
                                  << "<title>T</title><title>b</title>";
}

void TestPageCommands::pageTitle()
{
    QFETCH(QString, page);
    QFETCH(QString, title);
    QFETCH(QString, result);
    const Edit edit = PageSnippets::pageTitle(page, title);
    QCOMPARE(edit.ok(), !result.isEmpty());
    QVERIFY(edit.refusal.isEmpty());
    if (edit.ok())
        QCOMPARE(edit.splice->appliedTo(page), result);
}

void TestPageCommands::beforeHeadEnd_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("result");  // empty: refused
    QTest::newRow("upper case") << "<HTML><HEAD></HEAD></HTML>" << "<HTML><HEAD>S</HEAD></HTML>";
    QTest::newRow("mixed case, first of two")
        << "<head></HeAd></head>" << "<head>S</HeAd></head>";
    QTest::newRow("no head") << "<html><body>x</body></html>" << "";
}

void TestPageCommands::beforeHeadEnd()
{
    QFETCH(QString, page);
    QFETCH(QString, result);
    const Edit edit = PageSnippets::beforeHeadEnd(page, "S");
    QCOMPARE(edit.ok(), !result.isEmpty());
    if (edit.ok())
        QCOMPARE(edit.splice->appliedTo(page), result);
    else
        QCOMPARE(edit.refusal, kNoHead);
}

void TestPageCommands::blocks()
{
    // The script blocks begin and end with an empty line; the rest are one line.
    for (const QString &b : {rightClickBlock(), protectTextBlock(), bookmarkBlock()}) {
        QVERIFY(b.startsWith("\r\n<!--"));
        QVERIFY(b.endsWith("-->\r\n\r\n"));
        QVERIFY(!b.contains(QRegularExpression("[^\r]\n")));
    }
    QCOMPARE(rightClickBlock().count("\r\n"), 18);
    // The right-click script word for word, handler names included.
    const QStringList rightClick = {
        "<!--  Script to prevent right click -->",
        "<SCRIPT TYPE=\"text/javascript\">",
        "<!--",
        "//Disable right click script",
        "var message=\"Sorry, right-click has been disabled\";",
        "function clickIE() {if (document.all) {(message);return false;}}",
        "function clickNS(e) {if",
        "(document.layers||(document.getElementById&&!document.all)) {",
        "if (e.which==2||e.which==3) {(message);return false;}}}",
        "if (document.layers)",
        "{document.captureEvents(Event.MOUSEDOWN);document.onmousedown=clickNS;}",
        "else{document.onmouseup=clickNS;document.oncontextmenu=clickIE;}",
        "document.oncontextmenu=new Function(\"return false\")",
        "// -->",
        "</SCRIPT>",
        "<!--  End Script to prevent right click -->",
    };
    QCOMPARE(rightClickBlock(), "\r\n" + rightClick.join("\r\n") + "\r\n\r\n");
    QCOMPARE(protectTextBlock().count("\r\n"), 22);
    QVERIFY(!imageToolbarTag().contains('\n') && !layerElement().contains('\n'));
}

void TestPageCommands::flashPathIsAttributeSafe()
{
    const QString html = flashObject("/media/my \"best\" & <new>.swf");
    const QString safe = "/media/my &quot;best&quot; &amp; &lt;new>.swf";
    QVERIFY(html.contains("<param name=\"movie\" value=\"" + safe + "\">"));
    QVERIFY(html.contains("<embed src=\"" + safe + "\" quality=\"high\""));
    QVERIFY(html.startsWith("<object classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\""));
    QVERIFY(html.endsWith("</embed></object>"));
}

void TestPageCommands::homePageLink()
{
    QCOMPARE(PageSnippets::homePageLink("http://a.example/?x=1&y='2'"),
             QString("<a style=\"cursor:hand;font-family:comic sans ms\" onclick=\"this.style."
                     "behavior='url(#default#homepage)';this.setHomePage('http://a.example/"
                     "?x=1&amp;y=\\'2\\'');\"><b>Make us your Homepage</b></a>"));
}

void TestPageCommands::itemsAreUsable()
{
    SourceWindow *w = Quorl();
    for (const char *name : {"mnuPageTitle", "mnuPreventRightClick", "mnuProtectText",
                             "mnuDisImgTbar", "mnuBookmarkPage", "mnuInsLayer", "mnuFlash",
                             "mnuMakeDefault", "mnuSpell", "mnuPrint", "mnuPageSetup",
                             "mnuPreview", "mnuViewPreview", "Print", "Forward", "btnSpell"})
        QVERIFY2(Menus::find(w, name)->isEnabled(), name);
}

void TestPageCommands::titleCommand_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("result");
    const QString page = "<html><head><TITLE>Old</TITLE></head></html>";
    QTest::newRow("typed") << std::optional<QString>("New") << QString(page).replace("Old", "New");
    QTest::newRow("empty") << std::optional<QString>("") << page;
    QTest::newRow("cancel") << std::optional<QString>() << page;
}

void TestPageCommands::titleCommand()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, result);
    SourceWindow *w = Quorl();
    w->area->setText("<html><head><TITLE>Old</TITLE></head></html>");
    ScriptedPrompter prompter;
    prompter.expect(titleInput(answer));
    Menus::find(w, "mnuPageTitle")->trigger();
    QCOMPARE(w->area->text(), result);
    QV_VERIFY_PROMPTS(prompter);
}

void TestPageCommands::headCommands_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("snippet");
    QTest::addColumn<QString>("message");
    QTest::newRow("right click") << "mnuPreventRightClick" << rightClickBlock()
                                 << "The required script has been added";
    QTest::newRow("protect text") << "mnuProtectText" << protectTextBlock()
                                  << "The required script has been added";
    QTest::newRow("image toolbar") << "mnuDisImgTbar" << imageToolbarTag()
                                   << "The required tag has been added";
}

void TestPageCommands::headCommands()
{
    QFETCH(QString, item);
    QFETCH(QString, snippet);
    QFETCH(QString, message);
    SourceWindow *w = Quorl();
    ScriptedPrompter prompter;
    w->area->setText("<HTML><HEAD></HEAD></HTML>");
    prompter.expect(notice(message)).expect(notice(message));
    Menus::find(w, item)->trigger();
    Menus::find(w, item)->trigger();
    QCOMPARE(w->area->text(), "<HTML><HEAD>" + snippet + snippet + "</HEAD></HTML>");

    w->area->setText("<p>no head</p>");
    prompter.expect(notice(kNoHead));
    Menus::find(w, item)->trigger();
    QCOMPARE(w->area->text(), QString("<p>no head</p>"));
    QV_VERIFY_PROMPTS(prompter);
}

void TestPageCommands::caretSnippets()
{
    SourceWindow *w = Quorl();
    w->area->setText("ab");
    w->area->setSelStart(1);
    Menus::find(w, "mnuInsLayer")->trigger();
    QCOMPARE(w->area->text(), "a" + layerElement() + "b");

    // Flash: Cancel inserts nothing; a chosen file goes in at the caret.
    w->area->setText("ab");
    w->area->setSelStart(1);
    ScriptedPrompter prompter;
    prompter.expect(ScriptedPrompter::OpenFile{{}, std::nullopt})
        .expect(ScriptedPrompter::OpenFile{{}, QString("/m/a \"b\".swf")});
    Menus::find(w, "mnuFlash")->trigger();
    QCOMPARE(w->area->text(), QString("ab"));
    Menus::find(w, "mnuFlash")->trigger();
    QCOMPARE(w->area->text(), "a" + flashObject("/m/a \"b\".swf") + "b");
    QCOMPARE(prompter.lastFileRequest().filter, QString("Flash Files (*.swf)"));
    QV_VERIFY_PROMPTS(prompter);
}

void TestPageCommands::makeDefault_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("result");
    QTest::newRow("address") << std::optional<QString>("http://x.example/")
                             << "a" + PageSnippets::homePageLink("http://x.example/") + "b";
    QTest::newRow("empty") << std::optional<QString>("") << "a" + PageSnippets::homePageLink("")
                                                              + "b";
    QTest::newRow("cancel") << std::optional<QString>() << "ab";
}

void TestPageCommands::makeDefault()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, result);
    SourceWindow *w = Quorl();
    w->area->setText("ab");
    w->area->setSelStart(1);
    ScriptedPrompter prompter;
    prompter.expect(ScriptedPrompter::Input{"Enter the URL of the site to be made default",
                                            "Enter URL to make default page", answer});
    Menus::find(w, "mnuMakeDefault")->trigger();
    QCOMPARE(w->area->text(), result);
    QV_VERIFY_PROMPTS(prompter);
}

void TestPageCommands::spellCheck()
{
    SourceWindow *w = Quorl();
    w->area->setText("<p>one wrnog word</p>\r\n<script>wrnog</script>");
    w->star.clear();
    ScriptedPrompter prompter;
    prompter.expect(ScriptedPrompter::Dialog{"SpellDialog", [](QDialog *d) {
                        static_cast<SpellDialog *>(d)->choose(SpellDialog::Action::Change);
                    }});
    prompter.expect({ScriptedPrompter::Message{"Spell Checking Complete !", "Assistant: Quorl",
                                               Prompter::Icon::Information}});
    Menus::find(w, "mnuSpell")->trigger();
    QCOMPARE(w->area->text(), QString("<p>one wrong word</p>\r\n<script>wrnog</script>"));
    QCOMPARE(w->star, QString("*"));
    QV_VERIFY_PROMPTS(prompter);
    // Undo takes the corrections back.
    w->area->undo();
    QCOMPARE(w->area->text(), QString("<p>one wrnog word</p>\r\n<script>wrnog</script>"));
}

void TestPageCommands::spellCheckWithoutDictionary()
{
    SpellChecker::setDictionaryForTests(m_env.scratch("missing"));
    SourceWindow *w = Quorl();
    w->area->setText("<p>wrnog</p>");
    w->star.clear();
    ScriptedPrompter prompter;
    prompter.expect({ScriptedPrompter::Message{{}, "Assistant: Quorl", Prompter::Icon::Critical}});
    Menus::find(w, "mnuSpell")->trigger();
    SpellChecker::setDictionaryForTests(TestEnv::fixture("spell/small"));
    QCOMPARE(w->area->text(), QString("<p>wrnog</p>"));
    QCOMPARE(w->star, QString());
    QVERIFY(!prompter.shownMessages().contains("Spell Checking Complete !"));
    QV_VERIFY_PROMPTS(prompter);
}

void TestPageCommands::print_data()
{
    QTest::addColumn<bool>("select");
    QTest::addColumn<QPrinter::PrintRange>("range");
    QTest::addColumn<bool>("onePage");
    QTest::newRow("no selection") << false << QPrinter::AllPages << false;
    QTest::newRow("selection") << true << QPrinter::Selection << true;
    QTest::newRow("all, with a selection") << true << QPrinter::AllPages << false;
}

void TestPageCommands::print()
{
    QFETCH(bool, select);
    QFETCH(QPrinter::PrintRange, range);
    QFETCH(bool, onePage);
    SourceWindow *w = Quorl();
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << QString("<p>line %1</p>").arg(i);
    w->area->setText(lines.join("\r\n"));
    if (select) {
        w->area->setSelStart(0);
        w->area->setSelLength(13);
    }
    const QString pdf = m_env.scratch(QString("print-%1.pdf").arg(QTest::currentDataTag()));
    ScriptedPrompter prompter;
    QPrinter::PrintRange offered{};
    prompter.expect(ScriptedPrompter::Printer{true, [&](QPrinter *p) {
        offered = p->printRange();
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setOutputFileName(pdf);
        p->setPrintRange(range);
    }});
    Menus::find(w, "mnuPrint")->trigger();
    QCOMPARE(offered, select ? QPrinter::Selection : QPrinter::AllPages);
    QCOMPARE(w->comdlg.DialogTitle, QString("Print"));
    QCOMPARE(w->comdlg.Flags, select ? 265 : 264);
    const int pages = pdfPages(pdf);
    QVERIFY2(onePage ? pages == 1 : pages > 3, qPrintable(QString::number(pages)));
    // The text alone: no page numbers.
    const QString text = pdfText(pdf);
    QStringList printed;
    for (int i = 0; i < (onePage ? 1 : 300); ++i)
        printed << QString("<p>line%1</p>").arg(i);
    QCOMPARE(text, printed.join(QString()));

    // Cancel prints nothing.
    QFile::remove(pdf);
    prompter.expect(ScriptedPrompter::Printer{false, [&](QPrinter *p) {
        p->setOutputFileName(pdf);
    }});
    Menus::find(w, "mnuPrint")->trigger();
    QVERIFY(!QFile::exists(pdf));
    QV_VERIFY_PROMPTS(prompter);
}

QTEST_MAIN(TestPageCommands)
#include "tst_pagecommands.moc"
