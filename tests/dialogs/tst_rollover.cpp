#include "app/windowregistry.h"
#include "dialogs/rolloverdialog.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "support/composerpage.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const RolloverValues button{"btn", "a.gif", "b.gif", ""};
const QString theLink = rolloverLink(button);
const QString S = rolloverScript();
const QString onLoadB = " onLoad=\"QRL_preloadImages('b.gif')\"";

} // namespace

class TestRollover : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void script();
    void linkText();
    void quotesKeepTheScriptWorking_data();
    void quotesKeepTheScriptWorking();
    void edit_data();
    void edit();
    void refusals_data();
    void refusals();
    void insertFromSourceWindow();
    void insertInComposerIsOneStep();
    void missingFieldsKeepDialogOpen();
    void nameLosesBlanks();
    void browseFillsOnlyOnAChoice();

private:
    TestEnv m_env;
};

void TestRollover::initTestCase()
{
    registerWindows();
}

void TestRollover::cleanup()
{
    TestEnv::unloadWindows();
}

void TestRollover::script()
{
    QCOMPARE(rolloverScript().size(), 1089);
    QCOMPARE(rolloverScript().count("\r\n"), 41);
    QVERIFY(rolloverScript().endsWith("//-->\r\n</script>\r\n"));
    QVERIFY(rolloverScript().contains("\r\n  var p,i,x;  if(!d) d=document; \r\n"));
    QVERIFY(rolloverScript().contains("\r\n}\r\n\r\nfunction QRL_swapImage() {\r\n"));
}

void TestRollover::linkText()
{
    QCOMPARE(theLink, QString("<a href=\"#\" onMouseOut=\"QRL_swapImgRestore()\" onMouseOver=\""
                           "QRL_swapImage('btn','','b.gif',1)\"><img name=\"btn\" border=\"0\" "
                           "src=\"a.gif\"></a>"));
    RolloverValues linked = button;
    linked.link = "next.html";
    QVERIFY(rolloverLink(linked).startsWith("<a href=\"next.html\" onMouseOut="));
}

void TestRollover::quotesKeepTheScriptWorking_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("preloaded");  // what the page's onload preloads
    QTest::newRow("new onload")
        << "<html><head></head><body></body></html>" << "John's \\\"b\".gif"
        << "John's \\\"b\".gif";
    QTest::newRow("onload in double quotes")
        << "<html><head></head><body onload=\"QRL_preloadImages('p.gif')\"></body></html>"
        << "John's \"b\".gif" << "p.gif John's \"b\".gif";
    QTest::newRow("onload in single quotes")
        << "<html><head></head><body onload='window.x=1'></body></html>"
        << "John's \"b\".gif" << "John's \"b\".gif";
}

void TestRollover::quotesKeepTheScriptWorking()
{
    QFETCH(QString, page);
    QFETCH(QString, second);
    QFETCH(QString, preloaded);
    const RolloverValues values{"b'n\"", "a\"1.gif", second, "x\"y.html"};
    const DocumentEdit edit = rolloverEdit(page, int(page.indexOf("</body>")), values);
    QVERIFY(!edit.refused);
    QVERIFY2(edit.text.contains("QRL_swapImage('b\\'n&quot;','','John\\'s "),
             qPrintable(edit.text));

    HtmlEditView view;
    view.setBrowseMode(true);
    view.setDocumentHtml(edit.text);
    QVERIFY(TestEngine::settle(&view));
    const auto run = [&view](const QString &script) {
        return view.evaluate(script).value_or(QVariant()).toString();
    };
    // The page's own globals are seen by a script of the page only.
    QV_TRY_COMPARE(run("(() => { const s = document.createElement('script');"
                       " s.textContent = \"document.body.dataset.p = (document.QRL_p || [])"
                       ".map(i => i.getAttribute('src')).join(' ')\";"
                       " document.head.appendChild(s); return document.body.dataset.p; })()"),
                   preloaded);
    QCOMPARE(run("(() => { const i = document.images[0]; return [i.name, i.getAttribute('src'),"
                 " document.links[0].getAttribute('href')].join(' '); })()"),
             QString("b'n\" a\"1.gif x\"y.html"));
    QCOMPARE(run("(document.links[0].dispatchEvent(new MouseEvent('mouseover')),"
                 " document.images[0].getAttribute('src'))"),
             second);
}

void TestRollover::edit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("beforeCaret");  // the result ends here at the new caret

    const QString emptyResult = "<html>\r\n<HEAD>" + S + "\r\n</HEAD>\r\n<body" + onLoadB
                                + ">\r\n\r\n" + theLink;
    QTest::newRow("empty document") << "" << 0 << "b.gif" << emptyResult << emptyResult;

    QTest::newRow("html without head")
        << "<html><body>x</body></html>" << 12 << "b.gif"
        << "<html>\r\n<HEAD>" + S + "\r\n\r\n</HEAD><body" + onLoadB + ">" + theLink
               + "x</body></html>"
        << "</HEAD><body" + onLoadB + ">" + theLink;
    QTest::newRow("no html")
        << "<body>x</body>" << 6 << "b.gif"
        << "<html>\r\n<HEAD>" + S + "\r\n</HEAD>\r\n<body" + onLoadB + ">" + theLink
               + "x</body>"
        << onLoadB + ">" + theLink;
    QTest::newRow("head without body")
        << "<html><head><title>t</title></head>\r\n" << 37 << "b.gif"
        << "<html><head>" + S + "<title>t</title></head>\r\n<body" + onLoadB
               + ">\r\n\r\n" + theLink
        << ">\r\n\r\n" + theLink;
    QTest::newRow("upper-case tags")
        << "<HTML><HEAD></HEAD><BODY BGCOLOR=\"#FFFFFF\">x</BODY></HTML>" << 44 << "b.gif"
        << "<HTML><HEAD>" + S + "</HEAD><BODY BGCOLOR=\"#FFFFFF\"" + onLoadB + ">x" + theLink
               + "</BODY></HTML>"
        << ">x" + theLink;

    const QString page = "<html><head>" + S + "</head><body onLoad=\"QRL_preloadImages("
                         "'b.gif')\">\r\n" + theLink + "\r\n</body></html>";
    RolloverValues other = button;
    other.secondImage = "c.gif";
    QTest::newRow("second rollover")
        << page << int(page.indexOf("\r\n</body>")) << "c.gif"
        << "<html><head>" + S + "</head><body onLoad=\"QRL_preloadImages('b.gif','c.gif')\">"
               "\r\n" + theLink + rolloverLink(other) + "\r\n</body></html>"
        << rolloverLink(other);
    QTest::newRow("script changed by hand is added again")
        << "<head>" + QString(S).replace("QRL_p", "QRL_q") + "</head><body>" << 0 << "b.gif"
        << theLink + "<head>" + S + QString(S).replace("QRL_p", "QRL_q") + "</head><body"
               + onLoadB + ">"
        << theLink;

    QTest::newRow("another onload handler")
        << "<head></head><body onload=\"init()\">" << 13 << "b.gif"
        << "<head>" + S + "</head>" + theLink + "<body onload=\"QRL_preloadImages('b.gif');"
               "init()\">"
        << theLink;
    QTest::newRow("another onload handler in single quotes")
        << "<head></head><body class=\"x\" ONLOAD = 'init()'>" << 13 << "b.gif"
        << "<head>" + S + "</head>" + theLink + "<body class=\"x\" ONLOAD = 'QRL_preloadImages("
               "\"b.gif\");init()'>"
        << theLink;
    QTest::newRow("onload outside the body tag is not the body's")
        << "<head></head><body><img src=\"p.gif\" onload=\"init()\">" << 19 << "b.gif"
        << "<head>" + S + "</head><body" + onLoadB + ">" + theLink
               + "<img src=\"p.gif\" onload=\"init()\">"
        << theLink;
    QTest::newRow("an attribute ending in onload is not one")
        << "<head></head><body data-onload=\"1\">" << 0 << "b.gif"
        << theLink + "<head>" + S + "</head><body data-onload=\"1\"" + onLoadB + ">"
        << theLink;

    QTest::newRow("caret before the inserted head")
        << "x<html><body></body>" << 0 << "b.gif"
        << theLink + "x<html>\r\n<HEAD>" + S + "\r\n\r\n</HEAD><body" + onLoadB + "></body>"
        << theLink;
    QTest::newRow("caret right after html")
        << "<html><body></body>" << 6 << "b.gif"
        << "<html>\r\n<HEAD>" + S + "\r\n\r\n</HEAD>" + theLink + "<body" + onLoadB + "></body>"
        << "</HEAD>" + theLink;
}

void TestRollover::edit()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, second);
    QFETCH(QString, result);
    QFETCH(QString, beforeCaret);
    RolloverValues values = button;
    values.secondImage = second;
    const DocumentEdit edit = rolloverEdit(text, caret, values);
    QVERIFY(!edit.refused);
    QVERIFY(!edit.message);
    QCOMPARE(edit.text, result);
    QCOMPARE(edit.text.left(edit.caret).right(beforeCaret.size()), beforeCaret);
}

void TestRollover::refusals_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");

    const QString missing = "One or more required fields missing";
    QTest::newRow("no name") << "<body>" << "" << missing;
    QTest::newRow("body tag without end") << "<html><head></head><body bgcolor=red" << "btn"
                                          << "The <body> tag of this page is not finished, so "
                                             "the rollover cannot be added. Nothing was changed.";
    QTest::newRow("head without end") << "<html><head><title>x" << "btn"
                                      << "The head of this page is not finished, so the rollover "
                                         "cannot be added. Nothing was changed.";
    QTest::newRow("preload call without end")
        << "<head></head><body onload=\"QRL_preloadImages('a.gif'>" << "btn"
        << "The onLoad handler of this page is not finished, so the rollover cannot be added. "
           "Nothing was changed.";
}

void TestRollover::refusals()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(QString, message);
    RolloverValues values = button;
    values.name = name;
    const DocumentEdit edit = rolloverEdit(text, 0, values);
    QVERIFY(edit.refused);
    QVERIFY(edit.message);
    QCOMPARE(edit.message->text, message);
    QCOMPARE(edit.message->title, QString("Assistant: Quorl"));
    QCOMPARE(edit.message->icon, Prompter::Icon::Exclamation);
}

void TestRollover::insertFromSourceWindow()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    const QString page = "<html>\r\n<head>\r\n</head>\r\n<body>\r\n\r\n</body>\r\n</html>";
    quorl->area->setText(page);
    quorl->area->setSelStart(page.indexOf("\r\n</body>"));
    quorl->star.clear();

    QAction *command = Menus::find(quorl, "mnuRollImage");
    QVERIFY(command->isEnabled());
    command->trigger();
    auto *dialog = qobject_cast<RolloverDialog *>(WindowDirectory::loaded("rollover"));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Insert Rollover Images : Quorl"));
    QVERIFY(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    dialog->txtName->setText("btn");
    dialog->txtFirstImage->setText("a.gif");
    dialog->txtSecondImage->setText("b.gif");
    dialog->insert->click();
    TestEnv::flushDeletes();

    const DocumentEdit expected = rolloverEdit(page, page.indexOf("\r\n</body>"), button);
    QCOMPARE(quorl->area->text(), expected.text);
    QCOMPARE(quorl->area->selStart(), expected.caret);
    QCOMPARE(quorl->star, QString("*"));
    QVERIFY(!WindowDirectory::isLoaded("rollover"));
}

void TestRollover::insertInComposerIsOneStep()
{
    HtmlEditView *page = showPageInComposer();
    QVERIFY(page);
    auto *dialog = WindowDirectory::touch<RolloverDialog>("rollover");
    dialog->txtName->setText("btn");
    dialog->txtFirstImage->setText("a.gif");
    dialog->txtSecondImage->setText("b.gif");
    dialog->insert->click();
    TestEnv::flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("rollover"));

    // A link that calls the script never stands in the page without it.
    const auto state = [page] {
        return page->evaluate("[document.querySelector('a[onmouseover] img[name=btn]')"
                              "   ? 'link' : 'none',"
                              " document.head.innerHTML.includes('function QRL_swapImage')"
                              "   ? 'script' : 'none'].join()")
            .value_or(QVariant()).toString();
    };
    QV_TRY_COMPARE(state(), QString("link,script"));
    page->ExecCommand(5049);
    QV_TRY_COMPARE(state(), QString("none,none"));
    page->ExecCommand(5033);
    QV_TRY_COMPARE(state(), QString("link,script"));
}

void TestRollover::missingFieldsKeepDialogOpen()
{
    Quorl()->area->setText("<body>");
    auto *dialog = WindowDirectory::touch<RolloverDialog>("rollover");
    dialog->txtName->setText("btn");
    dialog->txtFirstImage->setText("a.gif");
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{"One or more required fields missing",
                                             "Assistant: Quorl", Prompter::Icon::Exclamation});
    dialog->insert->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(Quorl()->area->text(), QString("<body>"));
    QCOMPARE(WindowDirectory::loaded("rollover"), dialog);
    QCOMPARE(dialog->txtName->text(), QString("btn"));
}

void TestRollover::nameLosesBlanks()
{
    auto *dialog = WindowDirectory::touch<RolloverDialog>("rollover");
    QTest::keyClicks(dialog->txtName, "my btn");
    QCOMPARE(dialog->txtName->text(), QString("mybtn"));
    QCOMPARE(dialog->txtName->cursorPosition(), 5);
    dialog->txtName->setCursorPosition(2);
    QTest::keyClicks(dialog->txtName, " ");
    QCOMPARE(dialog->txtName->text(), QString("mybtn"));
    QCOMPARE(dialog->txtName->cursorPosition(), 3);
}

void TestRollover::browseFillsOnlyOnAChoice()
{
    auto *dialog = WindowDirectory::touch<RolloverDialog>("rollover");
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::OpenFile{"", QString("/pics/a.gif")});
    prompts.expect(ScriptedPrompter::OpenFile{"", std::nullopt});
    dialog->btnBrowseFirst->click();
    // The shared dialog still holds the first file; a cancel must not copy it.
    dialog->btnBrowseSecond->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(dialog->txtFirstImage->text(), QString("/pics/a.gif"));
    QCOMPARE(dialog->txtSecondImage->text(), QString());
}

QTEST_MAIN(TestRollover)
#include "tst_rollover.moc"
