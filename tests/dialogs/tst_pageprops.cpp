#include "app/windowregistry.h"
#include "dialogs/pagepropsdialog.h"
#include "editor/menubuilder.h"
#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "support/composerpage.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

using Change = std::function<void(PagePropsValues &)>;
Q_DECLARE_METATYPE(Change)

class TestPageProps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void edit_data();
    void edit();
    void noBodyIsRefused();
    void browseAndWatermark();
    void colourLabels();
    void okEditsTheComposersPage();

private:
    TestEnv m_env;
};

void TestPageProps::initTestCase()
{
    registerWindows();
}

void TestPageProps::cleanup()
{
    TestEnv::unloadWindows();
}

void TestPageProps::edit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("result");

    QTest::newRow("all empty") << "<html><body>x</body>" << Change([](PagePropsValues &) {})
                               << "<html><body >x</body>";
    QTest::newRow("every attribute in order")
        << "<BODY>" << Change([](PagePropsValues &v) {
               v.bgColour = "#FFFFFF"; v.textColour = "#000000"; v.linkColour = "#0000FF";
               v.aLinkColour = "#FF0000"; v.vLinkColour = "#800080"; v.source = "back.gif";
               v.watermark = true;
           })
        << "<BODY bgcolor=\"#FFFFFF\" text=\"#000000\" link=\"#0000FF\" alink=\"#FF0000\" "
           "vlink=\"#800080\" background=\"back.gif\" bgproperties=\"fixed\">";
    QTest::newRow("no background image overrides the source")
        << "<body>" << Change([](PagePropsValues &v) {
               v.source = "back.gif"; v.watermark = true; v.removeImage = true;
           })
        << "<body background=\"\">";
    QTest::newRow("a watermark needs a source")
        << "<body>" << Change([](PagePropsValues &v) { v.watermark = true; }) << "<body >";
    QTest::newRow("existing attributes follow the new ones")
        << "<head></head><body class=\"c\" bgcolor=\"#000000\">"
        << Change([](PagePropsValues &v) { v.bgColour = "#FFFFFF"; })
        << "<head></head><body bgcolor=\"#FFFFFF\" class=\"c\" bgcolor=\"#000000\">";
    QTest::newRow("a path with blanks and a quote stays one value")
        << "<Body>" << Change([](PagePropsValues &v) { v.source = "/my pics/\"sky\".png"; })
        << "<Body background=\"/my pics/&quot;sky&quot;.png\">";
}

void TestPageProps::edit()
{
    QFETCH(QString, text);
    QFETCH(Change, change);
    QFETCH(QString, result);
    PagePropsValues values;
    change(values);
    const DocumentEdit edit = pagePropsEdit(text, values);
    QVERIFY(!edit.refused && !edit.message);
    QCOMPARE(edit.text, result);
    QCOMPARE(edit.caret, text.indexOf("<body", 0, Qt::CaseInsensitive) + 5
                             + bodyAttributes(values).size());
}

void TestPageProps::noBodyIsRefused()
{
    const DocumentEdit edit = pagePropsEdit("<html><head></head></html>", PagePropsValues());
    QVERIFY(edit.refused);
    QCOMPARE(edit.message->text,
             QString("Unable to find the <body> tag of this page. Nothing was changed."));
    QCOMPARE(edit.message->icon, Prompter::Icon::Exclamation);
}

void TestPageProps::browseAndWatermark()
{
    auto *dialog = WindowDirectory::touch<PagePropsDialog>("pageProps");
    QCOMPARE(dialog->windowTitle(), QString("Page Properties : Quorl"));
    dialog->chkWatermark->click();
    QVERIFY(!dialog->chkWatermark->isChecked());

    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::OpenFile{"", QString("/pics/sky.png")});
    prompts.expect(ScriptedPrompter::OpenFile{"", std::nullopt});
    dialog->btnBrowse->click();
    QCOMPARE(dialog->txtSource->text(), QString("/pics/sky.png"));
    dialog->btnBrowse->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(dialog->txtSource->text(), QString("/pics/sky.png"));
    dialog->chkWatermark->click();
    QVERIFY(dialog->chkWatermark->isChecked());
}

void TestPageProps::colourLabels()
{
    auto *dialog = WindowDirectory::touch<PagePropsDialog>("pageProps");
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Color{QColor(0, 128, 0)});
    prompts.expect(ScriptedPrompter::Color{std::nullopt});
    QTest::mouseClick(dialog->lblVLinkColour, Qt::LeftButton);
    QCOMPARE(dialog->txtVLinkColour->text(), QString("#008000"));
    QTest::mouseClick(dialog->lblVLinkColour, Qt::LeftButton);
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(dialog->txtVLinkColour->text(), QString("#008000"));
    QCOMPARE(dialog->txtBGColour->text(), QString());
}

void TestPageProps::okEditsTheComposersPage()
{
    HtmlEditView *page = showPageInComposer();
    QVERIFY(page);
    QVERIFY(editParagraph(page));
    SourceWindow *quorl = Quorl();
    quorl->star.clear();

    Menus::find(Composr(), "mnuPageProps")->trigger();
    auto *dialog = qobject_cast<PagePropsDialog *>(WindowDirectory::loaded("pageProps"));
    QVERIFY(dialog && dialog->isVisible());
    dialog->txtBGColour->setText("#FFFFFF");
    dialog->txtSource->setText("my back.gif");
    dialog->OKButton->click();
    TestEnv::flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("pageProps"));

    const auto body = [page] {
        return page->evaluate("[document.body.getAttribute('bgcolor'),"
                              " document.body.getAttribute('background'),"
                              " document.body.textContent].join('|')")
            .value_or(QVariant()).toString();
    };
    QV_TRY_COMPARE(body(), QString("#FFFFFF|my back.gif|edited"));
    QVERIFY(quorl->area->text().contains(
        "<body bgcolor=\"#FFFFFF\" background=\"my back.gif\">"));
    QVERIFY(!quorl->isVisible());
    QCOMPARE(quorl->star, QString("*"));
}

QTEST_MAIN(TestPageProps)
#include "tst_pageprops.moc"
