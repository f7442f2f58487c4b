#include "app/windowregistry.h"
#include "dialogs/metagendialog.h"
#include "editor/menubuilder.h"
#include "editor/openers.h"
#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "support/composerpage.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

using Change = std::function<void(MetaValues &)>;
Q_DECLARE_METATYPE(Change)

namespace {

const QString marker = "<!-- MetaGen: Quorl Vevevodi 3.0 -->\r\n";
const QString general = "<META NAME=\"Rating\" CONTENT=\"General\">\r\n";
const QString global = "<META NAME=\"Distribution\" CONTENT=\"GLOBAL\">\r\n";
const QString robotsAll = "<META NAME=\"Robots\" CONTENT=\"all,index,follow\">\r\n";

} // namespace

class TestMetaGen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void block_data();
    void block();
    void edit_data();
    void edit();
    void noHeadKeepsDialogOpen();
    void copyrightSurvivesSaveAndReopen();
    void undoTakesTheBlockBack();
    void intoTheComposer();

private:
    TestEnv m_env;
};

void TestMetaGen::initTestCase()
{
    registerWindows();
}

void TestMetaGen::cleanup()
{
    TestEnv::unloadWindows();
}

void TestMetaGen::block_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("lines");  // between the markers

    QTest::newRow("all empty") << Change([](MetaValues &) {}) << general + global + robotsAll;
    QTest::newRow("every text field in order")
        << Change([](MetaValues &v) {
               v.title = "T"; v.author = "A"; v.subject = "S"; v.description = "D";
               v.keywords = "k1,k2"; v.abstractText = "Ab"; v.designer = "De";
               v.publisher = "P"; v.revisit = "7"; v.copyright = "Me";
           })
        << "<META NAME=\"Title\" CONTENT=\"T\">\r\n<META NAME=\"Author\" CONTENT=\"A\">\r\n"
           "<META NAME=\"Subject\" CONTENT=\"S\">\r\n<META NAME=\"Description\" CONTENT=\"D\">\r\n"
           "<META NAME=\"Keywords\" CONTENT=\"k1,k2\">\r\n"
           "<META NAME=\"Abstract\" CONTENT=\"Ab\">\r\n<META NAME=\"Designer\" CONTENT=\"De\">\r\n"
           "<META NAME=\"Publisher\" CONTENT=\"P\">\r\n" + general + global + robotsAll
               + "<META NAME=\"Revisit-After\" CONTENT=\"7 days\">\r\n"
                 "<META NAME=\"Copyright\" CONTENT=\"\u00A9 Me\">\r\n";
    QTest::newRow("other list entries")
        << Change([](MetaValues &v) {
               v.cache = "No Cache!"; v.rating = "14 years!"; v.distribution = "Internal Use!";
               v.robots = "No robots!";
           })
        << "<META HTTP-EQUIV=\"Pragma\" CONTENT=\"no-cache\">\r\n"
           "<META NAME=\"Rating\" CONTENT=\"14 years\">\r\n"
           "<META NAME=\"Distribution\" CONTENT=\"IU\">\r\n"
           "<META NAME=\"Robots\" CONTENT=\"none\">\r\n";
    QTest::newRow("quotes stay inside CONTENT, entities as typed")
        << Change([](MetaValues &v) {
               v.title = "My \"Title\""; v.author = "Jo &amp; Al"; v.revisit = "7\"";
               v.copyright = "\"Q\"";
           })
        << "<META NAME=\"Title\" CONTENT=\"My &quot;Title&quot;\">\r\n"
           "<META NAME=\"Author\" CONTENT=\"Jo &amp; Al\">\r\n" + general + global + robotsAll
               + "<META NAME=\"Revisit-After\" CONTENT=\"7&quot; days\">\r\n"
                 "<META NAME=\"Copyright\" CONTENT=\"\u00A9 &quot;Q&quot;\">\r\n";
    QTest::newRow("texts typed into the lists")
        << Change([](MetaValues &v) {
               v.cache = "cache"; v.rating = "mature"; v.distribution = "Local";
               v.robots = "All robots index page only";
           })
        << "<META HTTP-EQUIV=\"Pragma\" CONTENT=\"no-cache\">\r\n"
           "<META NAME=\"Distribution\" CONTENT=\"LOCAL\">\r\n"
           "<META NAME=\"Robots\" CONTENT=\"index,nofollow\">\r\n";
}

void TestMetaGen::block()
{
    QFETCH(Change, change);
    QFETCH(QString, lines);
    MetaValues values;
    change(values);
    QCOMPARE(metaBlock(values), marker + lines + marker);
}

void TestMetaGen::edit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("result");

    const QString block = metaBlock(MetaValues());
    QTest::newRow("before the first end of head")
        << "<html><head><title>x</title></head><body></head></body>" << 1
        << "<html><head><title>x</title>" + block + "</head><body></head></body>";
    QTest::newRow("upper case") << "<HTML><HEAD></HEAD>" << 1
                                << "<HTML><HEAD>" + block + "</HEAD>";
    QTest::newRow("a second run adds a second block") << "<head></head>" << 2
                                                      << "<head>" + block + block + "</head>";
}

void TestMetaGen::edit()
{
    QFETCH(QString, text);
    QFETCH(int, runs);
    QFETCH(QString, result);
    DocumentEdit edit;
    edit.text = text;
    for (int i = 0; i < runs; ++i) {
        edit = metaEdit(edit.text, MetaValues());
        QVERIFY(!edit.refused && !edit.message);
    }
    QCOMPARE(edit.text, result);
    QCOMPARE(edit.caret, result.indexOf("</head>", 0, Qt::CaseInsensitive));
}

void TestMetaGen::noHeadKeepsDialogOpen()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("<html><body>x</body></html>");
    Menus::find(quorl, "mnuMetaGen")->trigger();
    auto *dialog = qobject_cast<MetaGenDialog *>(WindowDirectory::loaded("MetaGen"));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->compOrEdit, QString("edit"));
    QCOMPARE(dialog->windowTitle(), QString("Meta Generator : Quorl"));
    QCOMPARE(dialog->cmbRating->currentText(), QString("General - Safe for Kids"));
    QCOMPARE(dialog->cmbRobots->count(), 4);

    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{"Unable to find <head> </head> tags. Cannot proceed",
                                             QCoreApplication::applicationName(),
                                             Prompter::Icon::None});
    dialog->OKButton->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(quorl->area->text(), QString("<html><body>x</body></html>"));
    QCOMPARE(WindowDirectory::loaded("MetaGen"), dialog);
}

void TestMetaGen::copyrightSurvivesSaveAndReopen()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("<html><head></head><body></body></html>");
    Menus::find(quorl, "mnuMetaGen")->trigger();
    auto *dialog = qobject_cast<MetaGenDialog *>(WindowDirectory::loaded("MetaGen"));
    dialog->txtCopyright->setText("Anna Kov\u00E1\u010D 2026");
    dialog->OKButton->click();
    TestEnv::flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("MetaGen"));
    const QString line = "<META NAME=\"Copyright\" CONTENT=\"\u00A9 Anna Kov\u00E1\u010D 2026\">";
    QVERIFY(quorl->area->text().contains(line));
    QCOMPARE(quorl->area->selStart(), quorl->area->text().indexOf("</head>"));

    const QString path = m_env.scratch("meta.html");
    QVERIFY(quorl->area->saveFile(path));
    quorl->area->setText(QString());
    QVERIFY(quorl->area->loadFile(path));
    QVERIFY(quorl->area->text().contains(line));
}

void TestMetaGen::undoTakesTheBlockBack()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("<html><head></head><body></body></html>");
    quorl->area->setSelStart(quorl->area->text().indexOf("</body>"));
    quorl->area->setSelText("typed");
    const QString typed = quorl->area->text();
    Menus::find(quorl, "mnuMetaGen")->trigger();
    qobject_cast<MetaGenDialog *>(WindowDirectory::loaded("MetaGen"))->OKButton->click();
    TestEnv::flushDeletes();
    QVERIFY(quorl->area->text().contains(marker));

    quorl->area->undo();
    QCOMPARE(quorl->area->text(), typed);
    quorl->area->undo();
    QCOMPARE(quorl->area->text(), QString("<html><head></head><body></body></html>"));
}

void TestMetaGen::intoTheComposer()
{
    HtmlEditView *page = showPageInComposer();
    QVERIFY(page);

    // The composer's command hands over "comp"; the page is edited while the
    // dialog is open.
    Openers::open({"MetaGen", {{"compOrEdit", "comp"}}, {}}, QString());
    auto *dialog = qobject_cast<MetaGenDialog *>(WindowDirectory::loaded("MetaGen"));
    QVERIFY(dialog);
    QVERIFY(editParagraph(page));
    dialog->txtAuthor->setText("Anna");
    dialog->OKButton->click();
    TestEnv::flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("MetaGen"));

    const auto state = [page] {
        return page->evaluate("(() => { const m = document.querySelector('meta[name=Author]');"
                              " return (m ? m.content : 'none') + '|'"
                              "  + document.getElementById('p').textContent; })()")
            .value_or(QVariant()).toString();
    };
    QV_TRY_COMPARE(state(), QString("Anna|edited"));
    QVERIFY(Quorl()->area->text().contains("<META NAME=\"Author\" CONTENT=\"Anna\">\r\n"));
    QVERIFY(!Quorl()->isVisible());
}

QTEST_MAIN(TestMetaGen)
#include "tst_metagen.moc"
