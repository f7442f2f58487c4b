#include "app/windowregistry.h"
#include "editor/menubuilder.h"
#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "sitetools/navlisturls.h"
#include "sitetools/navmaker.h"
#include "support/composerpage.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>

using Change = std::function<void(NavValues &)>;
Q_DECLARE_METATYPE(Change)

namespace {

NavListURLs *links()
{
    return qobject_cast<NavListURLs *>(WindowDirectory::loaded("NavListURLs"));
}

// Opens the creator from a main window and proceeds to the links window.
NavListURLs *proceedFrom(QWidget *mainWindow)
{
    Menus::find(mainWindow, "mnuNavigator")->trigger();
    auto *maker = qobject_cast<NavMaker *>(WindowDirectory::loaded("NavMaker"));
    if (!maker || !maker->isVisible() || !links() || links()->isVisible())
        return nullptr;
    maker->btnProceed->click();
    return links();
}

void addPoint(NavListURLs *window, const QString &point, const std::optional<QString> &url)
{
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Input{
        "Enter the url/location to which the point has to be linked to", "Enter address/URL",
        url});
    if (!url || url->isEmpty())
        prompts.expect(ScriptedPrompter::Message{"Valid URL was not entered",
                                                 QCoreApplication::applicationName(),
                                                 Prompter::Icon::None});
    window->txtPoints->setText(point);
    QTest::keyClick(window->txtPoints, Qt::Key_Return);
    QV_VERIFY_PROMPTS(prompts);
}

const QString twoEntries = "<br><div id=\"navigation\"><ul>"
                           "<li id=\"lBasic\"><a href=\"index.html\">Start</a></li>\r\n"
                           "<li id=\"lBasic\"><a href=\"news.html\">News</a></li>\r\n"
                           "</ul></div><br>";

} // namespace

class TestNavBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void templateText();
    void fill_data();
    void fill();
    void barAndStyleSheet();
    void styleEdit_data();
    void styleEdit();
    void makerWindow();
    void pointsList();
    void insertIntoSource();
    void insertIntoComposer();
    void screenshot();

private:
    TestEnv m_env;
};

void TestNavBar::initTestCase()
{
    registerWindows();
}

void TestNavBar::cleanup()
{
    TestEnv::unloadWindows();
}

void TestNavBar::templateText()
{
    const QString &text = navTemplate();
    QCOMPARE(text.size(), 1730);
    QVERIFY(text.startsWith("<style>\r\n/* Navigation */\r\n\r\n#navigation\r\n{\r\n"
                            "\tfloat: left; \r\n"));
    QVERIFY(text.contains("\tlist-style-type: none;\r\n\r\n\tcolor: getBasicColour;\r\n"));
    QVERIFY(text.contains("}\r\n</style>\r\n\r\n<div id=\"navigation\">\r\n\t\t\r\n"
                          "\t\t\t<ul>\r\n"));
    QVERIFY(text.contains("\t\t\t\t<li id=\"lBasict\"><A href=\"#03\">Link 5</a></li>\r\n"));
    QVERIFY(text.endsWith("\t\t\t</ul>\r\n\t\t\r\n\t\t</div>\r\n"));
}

void TestNavBar::fill_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("line");

    const Change defaults = [](NavValues &) {};
    QTest::newRow("basic background")
        << defaults << "#navigation\r\n{\r\n\tfloat: left; \r\n\twidth: 100%;\r\n"
                       "\tbackground-color: #F8F5E9;\r\n}";
    QTest::newRow("hover background")
        << defaults << "\tbackground-color: #FDFCD7;\r\n\tborder:  1px inset;\r\n}";
    QTest::newRow("link border") << defaults << "\tborder:  2px outset;\r\n";
    QTest::newRow("every state's values in place")
        << Change([](NavValues &v) {
               v.linkColour = "#111111"; v.aLinkColour = "#222222"; v.vLinkThickness = "3px";
               v.lColour = "#333333"; v.aBGColour = "#444444"; v.linkVBorderType = "dashed";
           })
        << "\tcolor: #333333;\r\n\tpadding: 5px 10px;\r\n\tbackground-color: ;\r\n"
           "\tborder: #111111 2px outset;\r\n";
    QTest::newRow("visited with a unit")
        << Change([](NavValues &v) { v.vLinkThickness = "3px"; v.linkVBorderType = "dashed"; })
        << "\tborder:  3px dashed;\r\n";
    QTest::newRow("active")
        << Change([](NavValues &v) { v.aLinkColour = "#222222"; v.aBGColour = "#444444"; })
        << "\tbackground-color: #444444;\r\n\tborder: #222222 1px solid;\r\n";
}

void TestNavBar::fill()
{
    QFETCH(Change, change);
    QFETCH(QString, line);
    NavValues values;
    change(values);
    const QString filled = fillNavTemplate(values);
    QVERIFY2(filled.contains(line), qPrintable(filled));
    QVERIFY(!filled.contains("get"));
}

void TestNavBar::barAndStyleSheet()
{
    QCOMPARE(navBar({"Start", "News"}, {"index.html", "news.html"}), twoEntries);
    QCOMPARE(navBar({}, {}), QString("<br><div id=\"navigation\"><ul></ul></div><br>"));
    const QString filled = fillNavTemplate(NavValues());
    const QString sheet = navStyleSheet(filled);
    QVERIFY(sheet.startsWith("<style>\r\n"));
    QVERIFY(sheet.endsWith("}\r\n</style>"));
    QCOMPARE(sheet, filled.left(filled.indexOf("</style>") + 8));
}

void TestNavBar::styleEdit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("newCaret");
    QTest::addColumn<bool>("notice");
    QTest::newRow("after the head start tag")
        << "<html><head><title>t</title></head><body>BAR</body>" << 46
        << "<html><head>S<title>t</title></head><body>BAR</body>" << 47 << false;
    QTest::newRow("upper case, caret before the head") << "x<HEAD></HEAD>" << 0
                                                       << "x<HEAD>S</HEAD>" << 0 << false;
    QTest::newRow("no head: at the start") << "<body>BAR</body>" << 9
                                           << "S<body>BAR</body>" << 10 << true;
}

void TestNavBar::styleEdit()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, result);
    QFETCH(int, newCaret);
    QFETCH(bool, notice);
    const DocumentEdit edit = navStyleEdit(text, caret, "S");
    QVERIFY(!edit.refused);
    QCOMPARE(edit.text, result);
    QCOMPARE(edit.caret, newCaret);
    QCOMPARE(edit.message.has_value(), notice);
    if (notice)
        QCOMPARE(edit.message->text, QString("End of head tag not found. Style Sheet has been "
                                             "added in the beginning of document"));
}

void TestNavBar::makerWindow()
{
    Menus::find(Quorl(), "mnuNavigator")->trigger();
    auto *maker = qobject_cast<NavMaker *>(WindowDirectory::loaded("NavMaker"));
    QVERIFY(maker && maker->isVisible());
    QCOMPARE(maker->windowTitle(), QString("Navgiation Bar Creator"));
    QVERIFY(!maker->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(fillNavTemplate(maker->values()), fillNavTemplate(NavValues()));
    QCOMPARE(maker->cmbLinkHBorderType->count(), 9);
    QCOMPARE(maker->cmbLinkHBorderType->itemText(8), QString("none"));
    for (const char *name : {"btnBasicBorderColour", "btnLColour", "btnBGColour", "btnVLinkColour",
                             "btnHBGColour", "btnALinkColour", "UDLink", "UDVLink", "UDHLink",
                             "UDALink"})
        QVERIFY2(maker->findChild<QWidget *>(name), name);

    // The preview shows the defaults at once, in browse mode.
    QVERIFY(maker->Result->BrowseMode());
    QVERIFY(TestEngine::waitUntil([maker] {
        return maker->Result->lastKnownHtml().contains("#F8F5E9");
    }));
    // The links' borders show: their thickness is "2", written "2px".
    QCOMPARE(maker->Result->evaluate("getComputedStyle(document.querySelector("
                                     "'#navigation a')).borderTopWidth")
                 .value_or(QVariant())
                 .toString(),
             QString("2px"));

    // A colour picked for a field is seen after Preview only.
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Color{QColor(255, 0, 0)});
    maker->findChild<QPushButton *>("btnHBGColour")->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(maker->txtHBGColour->text(), QString("#FF0000"));
    QVERIFY(!maker->Result->lastKnownHtml().contains("#FF0000"));
    maker->btnPreview->click();
    QVERIFY(TestEngine::waitUntil([maker] {
        return maker->Result->lastKnownHtml().contains("#FF0000");
    }));

    auto *down = maker->findChild<QWidget *>("UDHLink")->findChild<QToolButton *>("down");
    down->click();
    down->click();
    QCOMPARE(maker->txtHLinkThickness->text(), QString("0"));

    maker->btnProceed->click();
    TestEnv::flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("NavMaker"));
    QVERIFY(links()->isVisible());
    QCOMPARE(links()->windowTitle(), QString("List With Linked Points : Quorl"));
    QVERIFY(links()->txtCode.contains("background-color: #FF0000;"));
    QVERIFY(links()->txtCode.contains("<div id=\"navigation\">"));
}

void TestNavBar::pointsList()
{
    NavListURLs *window = proceedFrom(Quorl());
    QVERIFY(window);
    addPoint(window, "Start", "index.html");
    addPoint(window, "Lost", QString());
    QCOMPARE(window->txtPoints->text(), QString());
    addPoint(window, "News", "news.html");
    addPoint(window, "", "empty.html");
    QCOMPARE(window->points(), QStringList({"Start", "News", ""}));
    QCOMPARE(window->urls(), QStringList({"index.html", "news.html", "empty.html"}));

    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{"No point selected to remove. Please click on a "
                                             "point in the options list",
                                             "Assistant: Quorl", Prompter::Icon::Exclamation});
    window->btnRemove->click();
    QV_VERIFY_PROMPTS(prompts);

    window->listPoints->setCurrentRow(1);
    QCOMPARE(window->listURL->currentRow(), 1);
    window->btnUp->click();
    QCOMPARE(window->points(), QStringList({"News", "Start", ""}));
    QCOMPARE(window->urls(), QStringList({"news.html", "index.html", "empty.html"}));
    QCOMPARE(window->listPoints->currentRow(), 0);
    window->btnUp->click();
    QCOMPARE(window->points(), QStringList({"News", "Start", ""}));
    window->btnDown->click();
    window->btnDown->click();
    window->btnDown->click();
    QCOMPARE(window->points(), QStringList({"Start", "", "News"}));
    QCOMPARE(window->urls(), QStringList({"index.html", "empty.html", "news.html"}));
    QCOMPARE(window->listURL->currentRow(), 2);
    window->btnRemove->click();
    QCOMPARE(window->points(), QStringList({"Start", ""}));
    QCOMPARE(window->urls(), QStringList({"index.html", "empty.html"}));

    const auto clearAnswer = [](Prompter::Answer answer) {
        return ScriptedPrompter::Message{"Are you sure you wish to clear the list?",
                                         "Assistant: Quorl", Prompter::Icon::Question,
                                         Prompter::Buttons::YesNo, answer, Prompter::Answer::No};
    };
    prompts.expect(clearAnswer(Prompter::Answer::No));
    prompts.expect(clearAnswer(Prompter::Answer::Yes));
    window->btnClear->click();
    QCOMPARE(window->points().size(), 2);
    window->btnClear->click();
    QV_VERIFY_PROMPTS(prompts);
    QVERIFY(window->points().isEmpty() && window->urls().isEmpty());
}

void TestNavBar::insertIntoSource()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    const QString page = "<html><head><title>t</title></head><body>\r\n\r\n</body></html>";
    quorl->area->setText(page);
    const int caret = page.indexOf("\r\n</body>");
    quorl->area->setSelStart(caret);

    NavListURLs *window = proceedFrom(quorl);
    QVERIFY(window);
    QCOMPARE(window->compOrEdit, QString("edit"));
    const QString sheet = navStyleSheet(window->txtCode);
    addPoint(window, "Start", "index.html");
    addPoint(window, "News", "news.html");
    window->btnInsert->click();
    TestEnv::flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("NavListURLs"));

    const QString expected = "<html><head>" + sheet + "<title>t</title></head><body>\r\n"
                             + twoEntries + "\r\n</body></html>";
    QCOMPARE(quorl->area->text(), expected);
    QCOMPARE(quorl->area->selStart(), expected.indexOf(twoEntries) + twoEntries.size());
    QVERIFY(quorl->isVisible());
    QVERIFY(TestEngine::waitUntil([] {
        return Composr()->txtComp->lastKnownHtml().contains("news.html");
    }));
    // The bar and its style sheet are one step: one Undo takes both back.
    quorl->area->undo();
    QCOMPARE(quorl->area->text(), page);
    quorl->area->redo();
    QCOMPARE(quorl->area->text(), expected);
}

void TestNavBar::insertIntoComposer()
{
    HtmlEditView *page = showPageInComposer();
    QVERIFY(page);
    NavListURLs *window = proceedFrom(Composr());
    QVERIFY(window);
    QCOMPARE(window->compOrEdit, QString("comp"));
    addPoint(window, "Start", "index.html");
    addPoint(window, "News", "news.html");
    // Typed into the composer while the creator was open.
    QVERIFY(editParagraph(page));
    SourceWindow *quorl = Quorl();
    quorl->star.clear();
    window->btnInsert->click();
    TestEnv::flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("NavListURLs"));

    const auto state = [page] {
        return page->evaluate("[document.head.querySelector('style') ? 'styled' : 'plain',"
                              // The bar goes in at the caret, which stays in the
                              // paragraph through the style sheet's write.
                              " document.getElementById('p').textContent.includes('edited')"
                              "   ? 'edited' : 'lost',"
                              " [...document.querySelectorAll('#navigation a')]"
                              "   .map(a => a.textContent + '=' + a.getAttribute('href'))"
                              "   .join(',')].join('|')")
            .value_or(QVariant()).toString();
    };
    QV_TRY_COMPARE(state(), QString("styled|edited|Start=index.html,News=news.html"));
    QVERIFY(!quorl->isVisible());
    QCOMPARE(quorl->star, QString("*"));
    // One Undo takes back the bar and its style sheet together, one Redo
    // makes both again; the typing before stays.
    page->ExecCommand(5049);
    QV_TRY_COMPARE(state(), QString("plain|edited|"));
    page->ExecCommand(5033);
    QV_TRY_COMPARE(state(), QString("styled|edited|Start=index.html,News=news.html"));
}

void TestNavBar::screenshot()
{
    const QString path = qEnvironmentVariable("QV_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("set QV_SCREENSHOT to a file name to take the picture");
    Menus::find(Quorl(), "mnuNavigator")->trigger();
    auto *maker = qobject_cast<NavMaker *>(WindowDirectory::loaded("NavMaker"));
    maker->txtBasicBorderColour->setText("#8C7B4F");
    maker->txtLinkColour->setText("#8C7B4F");
    maker->txtLColour->setText("#3A2F12");
    maker->btnPreview->click();
    QVERIFY(QTest::qWaitForWindowExposed(maker));
    QVERIFY(TestEngine::settle(maker->Result));
    QTest::qWait(1500);
    QVERIFY(maker->grab().save(path));
}

QTEST_MAIN(TestNavBar)
#include "tst_navbar.moc"
