// The layout manager on the real engine: its samples, its delivery into the
// two main windows, layout files, the box dialog, Edit HTML and help.

#include "app/windowregistry.h"
#include "editor/menubuilder.h"
#include "editor/openers.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/htmlmarkup.h"
#include "platform/sourcearea.h"
#include "sitetools/layoutboxprops.h"
#include "sitetools/layoutedithtml.h"
#include "sitetools/layouthelp.h"
#include "sitetools/layoutmanager.h"
#include "support/composerpage.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

Q_DECLARE_METATYPE(BoxBorders)

using Msg = ScriptedPrompter::Message;
using Icon = Prompter::Icon;
using Buttons = Prompter::Buttons;
using Answer = Prompter::Answer;

namespace {

const QString kQuestion = "Would you like to replace existing page with new layout?\r\n\r\n"
                          "Yes to replace\r\nNo to insert in existing page\r\nCancel to go back";

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QVariant app(HtmlEditView *view, const QString &js)
{
    return view->evaluate(js).value_or(QVariant("<no result>"));
}

// Each box of the work area as "id left,top width x height".
QString boxes(HtmlEditView *view)
{
    return app(view, "Array.from(document.querySelectorAll('div')).map(d => d.id + ' ' + "
                     "d.offsetLeft + ',' + d.offsetTop + ' ' + d.offsetWidth + 'x' + "
                     "d.offsetHeight).join('; ')")
        .toString();
}

LayoutManager *openFrom(QWidget *main)
{
    Menus::find(main, "mnuLayoutManager")->trigger();
    auto *manager = qobject_cast<LayoutManager *>(WindowDirectory::loaded("LManager"));
    if (manager)
        TestEngine::settle(manager->Result);
    return manager;
}

LayoutManager *openWithSample(int sample)
{
    LayoutManager *m = LManager();
    Openers::showWindow(m);
    m->PicType[sample]->click();
    TestEngine::settle(m->Result);
    return m;
}

} // namespace

class TestLayoutManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void samples_data();
    void samples();
    void useLayout_data();
    void useLayout();
    void openingAgainRetargets();
    void saveThenLoad();
    void fileFailuresAreReported();
    void oldStyleLayoutLoads();
    void loadedLayoutKeepsItsFormat_data();
    void loadedLayoutKeepsItsFormat();
    void borderRule_data();
    void borderRule();
    void boxPropertiesStage();
    void boxDroppedOnTheParagraphStandsBesideIt();
    void editHtmlBringsTheManagerBack_data();
    void editHtmlBringsTheManagerBack();
    void helpWindow();
    void screenshot();

private:
    TestEnv m_env;
};

void TestLayoutManager::initTestCase()
{
    registerWindows();
}

void TestLayoutManager::cleanup()
{
    WindowDirectory::unloadAll();
    flushDeletes();
}

void TestLayoutManager::samples_data()
{
    QTest::addColumn<int>("sample");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("boxCount");
    QTest::newRow("blank") << 0 << 0 << 0;
    QTest::newRow("1") << 1 << 1582 << 6;
    QTest::newRow("2") << 2 << 1582 << 6;
    QTest::newRow("3") << 3 << 1864 << 7;
    QTest::newRow("4") << 4 << 1315 << 5;
}

void TestLayoutManager::samples()
{
    QFETCH(int, sample);
    QFETCH(int, length);
    QFETCH(int, boxCount);
    const QString text = LayoutManager::sampleText(sample);
    QCOMPARE(text.size(), length);
    QCOMPARE(text.count("<DIV id=LayoutBox \r\nstyle=\""), boxCount);
    QCOMPARE(text.count("\">New \r\nLayout Box</DIV>\r\n"), boxCount);
    if (sample == 0) {
        // A new work area is blank before any sample is chosen.
        LayoutManager *m = LManager();
        QCOMPARE(m->Result->bodyHtml(), std::optional<QString>(QString()));
        QCOMPARE(app(m->Result, "document.designMode").toString(), QString("on"));
        return;
    }
    QVERIFY(text.startsWith(
        "\r\n<DIV id=LayoutBox \r\nstyle=\"BORDER-RIGHT: 1px solid; BORDER-TOP: 1px solid; "
        "Z-INDEX: 101; LEFT: 57px; BORDER-LEFT: 1px solid; WIDTH: 599px; BORDER-BOTTOM: 1px "
        "solid; POSITION: absolute; TOP: 10px; HEIGHT: 47px; BACKGROUND-COLOR: #efefef\">New "
        "\r\nLayout Box</DIV>\r\n<DIV"));
    QCOMPARE(text.endsWith("<P>&nbsp;</P>\r\n"), sample == 3);

    // Each chooser puts its sample into the work area, as the engine holds it.
    LayoutManager *m = openWithSample(sample);
    QCOMPARE(app(m->Result, "document.querySelectorAll('div#LayoutBox').length").toInt(),
             boxCount);
    m->PicType[0]->click();
    QCOMPARE(m->Result->bodyHtml(), std::optional<QString>(QString()));
    QCOMPARE(m->PicType[0]->toolTip(), QString("Blank"));
}

void TestLayoutManager::useLayout_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<Answer>("answer");
    for (const char *opener : {"Quorl", "Composr"}) {
        QTest::addRow("%s, yes", opener) << opener << Answer::Yes;
        QTest::addRow("%s, no", opener) << opener << Answer::No;
        QTest::addRow("%s, cancel", opener) << opener << Answer::Cancel;
    }
}

void TestLayoutManager::useLayout()
{
    QFETCH(QString, opener);
    QFETCH(Answer, answer);
    const bool fromComposer = opener == "Composr";
    SourceWindow *quorl = Quorl();
    HtmlEditView *page = nullptr;
    if (fromComposer) {
        page = showPageInComposer();
        QVERIFY(page);
    } else {
        quorl->show();
        quorl->area->setText("<p>ab</p>");
        quorl->area->setSelStart(4);
    }
    const QString sourceBefore = quorl->area->text();
    QWidget *main = fromComposer ? static_cast<QWidget *>(Composr()) : quorl;
    LayoutManager *m = openFrom(main);
    QVERIFY(m && m->isVisible());
    QCOMPARE(m->windowTitle(), QString("Layout Manager: Quorl Vevevodi"));
    QCOMPARE(m->property("txtCompOrEdit").toString(), fromComposer ? "comp" : "edit");
    m->PicType[1]->click();
    const std::optional<QString> layout = m->Result->bodyHtml();
    QVERIFY(layout && layout->count("id=\"LayoutBox\"") == 6);

    ScriptedPrompter p;
    p.expect(Msg{kQuestion, "Layout Manager", Icon::Question, Buttons::YesNoCancel, answer});
    m->btnUseLayout->click();
    QV_VERIFY_PROMPTS(p);
    flushDeletes();
    QCOMPARE(WindowDirectory::isLoaded("LManager"), answer == Answer::Cancel);

    if (!fromComposer) {
        // The source text holds its line breaks as CR LF.
        const QString lines = QString(*layout).replace("\n", "\r\n");
        const QString expected = answer == Answer::Yes  ? lines
                                 : answer == Answer::No ? "<p>a" + lines + "b</p>"
                                                        : sourceBefore;
        QCOMPARE(quorl->area->text(), expected);
        return;
    }
    QCOMPARE(quorl->area->text(), sourceBefore);
    if (answer == Answer::Yes) {
        QVERIFY(TestEngine::settle(page));
        QCOMPARE(TestEngine::body(page), *layout);
        // The old head went with the rest of the document.
        QCOMPARE(app(page, "document.title").toString(), QString());
    } else if (answer == Answer::No) {
        QTRY_COMPARE(TestEngine::body(page).count("id=\"LayoutBox\""), 6);
        QVERIFY(TestEngine::body(page).contains("one"));
    } else {
        QTest::qWait(400);  // longer than the composer's insertion tick
        QCOMPARE(TestEngine::body(page), QString("<p id=\"p\">one</p>"));
        QVERIFY(m->isVisible());
    }
}

void TestLayoutManager::openingAgainRetargets()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("<p id=\"p\">one</p>");
    LayoutManager *m = openFrom(quorl);
    QCOMPARE(m->property("txtCompOrEdit").toString(), QString("edit"));
    m->PicType[4]->click();

    // The source window hands the page to the composer, which opens the
    // same manager again: the layout stays and goes to the composer now.
    ShowVevevodi();
    HtmlEditView *page = Composr()->txtComp;
    QVERIFY(TestEngine::settle(page));
    QCOMPARE(openFrom(Composr()), m);
    QCOMPARE(m->property("txtCompOrEdit").toString(), QString("comp"));
    ScriptedPrompter p;
    p.expect(Msg{kQuestion, "Layout Manager", Icon::Question, Buttons::YesNoCancel, Answer::No});
    m->UseLayout();
    QV_VERIFY_PROMPTS(p);
    QTRY_COMPARE(TestEngine::body(page).count("id=\"LayoutBox\""), 5);
    QCOMPARE(quorl->area->text(), QString("<p id=\"p\">one</p>"));
}

void TestLayoutManager::saveThenLoad()
{
    LayoutManager *m = openWithSample(1);
    const QString before = boxes(m->Result);
    QCOMPARE(before.count("LayoutBox"), 6);
    const QString saved = *m->Result->bodyHtml();
    // A name typed without extension gets ".lyt", so the Load dialog shows it.
    const QString path = m_env.scratch("mylayout.lyt");
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::SaveFile{"", m_env.scratch("mylayout")});
    m->btnSaveLayout->click();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(p.lastFileRequest().filter, QString("Layout Manager Files (*.lyt)"));
    QCOMPARE(p.lastFileRequest().defaultSuffix, QString("lyt"));
    QVERIFY(!QFile::exists(m_env.scratch("mylayout")));
    // The body as the engine wrote it and one CR LF.
    QCOMPARE(TestFiles::bytes(path), QString(saved).replace("\n", "\r\n").toUtf8() + "\r\n");

    m->PicType[0]->click();
    p.expect(ScriptedPrompter::OpenFile{"", path});
    m->btnLoadLayout->click();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(TestEngine::settle(m->Result));
    QCOMPARE(boxes(m->Result), before);
}

void TestLayoutManager::fileFailuresAreReported()
{
    LayoutManager *m = openWithSample(2);
    const QString layout = *m->Result->bodyHtml();
    const QString path = m_env.scratch("old.lyt");
    QVERIFY(TestFiles::write(path, "old"));
    ScriptedPrompter p;

    // A write that fails part-way (the file-size limit stands in for a full
    // disk) leaves the old file whole and says so.
    p.expect(ScriptedPrompter::SaveFile{"", path});
    p.expect(Msg{"", "Layout Manager", Icon::Exclamation, Buttons::Ok});
    TestFiles::withFileSizeLimit(64, [m] { m->SaveLayout(); });
    QV_VERIFY_PROMPTS(p);
    QVERIFY(p.shownMessages().value(0).startsWith("Unable to save the layout"));
    QCOMPARE(TestFiles::bytes(path), QByteArray("old"));

    // A file that cannot be read leaves the layout as it was.
    p.expect(ScriptedPrompter::OpenFile{"", m_env.scratch("missing.lyt")});
    p.expect(Msg{"", "Layout Manager", Icon::Exclamation, Buttons::Ok});
    m->LoadLayout();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(p.shownMessages().value(1).startsWith("Unable to load the layout"));
    QCOMPARE(m->Result->bodyHtml(), std::optional<QString>(layout));

    // Cancelling either dialog changes nothing.
    p.expect(ScriptedPrompter::OpenFile{"", std::nullopt});
    p.expect(ScriptedPrompter::SaveFile{"", std::nullopt});
    m->LoadLayout();
    m->SaveLayout();
    QV_VERIFY_PROMPTS(p);
    QCOMPARE(m->Result->bodyHtml(), std::optional<QString>(layout));
    QCOMPARE(TestFiles::bytes(path), QByteArray("old"));
}

void TestLayoutManager::oldStyleLayoutLoads()
{
    LayoutManager *m = openWithSample(0);
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::OpenFile{"", TestEnv::fixture("oldstyle.lyt")});
    m->LoadLayout();
    QV_VERIFY_PROMPTS(p);
    QVERIFY(TestEngine::settle(m->Result));
    QCOMPARE(boxes(m->Result), QString("Header 20,10 602x52; Side 20,70 124x304"));
    QCOMPARE(app(m->Result, "document.getElementById('Header').textContent").toString(),
             QString::fromUtf8("Caf\u00e9 \nMenu"));
}

void TestLayoutManager::loadedLayoutKeepsItsFormat_data()
{
    QTest::addColumn<bool>("lf");
    QTest::newRow("windows-1252, CR LF") << false;
    QTest::newRow("windows-1252, LF") << true;
}

void TestLayoutManager::loadedLayoutKeepsItsFormat()
{
    QFETCH(bool, lf);
    QByteArray old = TestFiles::bytes(TestEnv::fixture("oldstyle.lyt"));
    if (lf)
        old.replace("\r\n", "\n");
    const QString path = m_env.scratch("kept.lyt");
    QVERIFY(TestFiles::write(path, old));
    LayoutManager *m = openWithSample(0);
    ScriptedPrompter p;
    p.expect(ScriptedPrompter::OpenFile{"", path});
    p.expect(ScriptedPrompter::SaveFile{"", path});
    m->LoadLayout();
    QVERIFY(TestEngine::settle(m->Result));
    m->SaveLayout();
    QV_VERIFY_PROMPTS(p);
    const QByteArray saved = TestFiles::bytes(path);
    QVERIFY2(saved.contains("Caf\xe9"), saved.constData());
    QCOMPARE(saved.contains("\r\n"), !lf);
    QVERIFY(saved.endsWith("\n"));
}

void TestLayoutManager::borderRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("bgColour");
    QTest::addColumn<BoxBorders>("borders");
    QTest::addColumn<QString>("expected");
    const QString tail = "WIDTH: 40px; POSITION: relative; TOP: 0px; HEIGHT: 30px; "
                         "BACKGROUND-COLOR: ";
    QTest::newRow("defaults")
        << "" << "" << BoxBorders()
        << "<div id=\"LayoutBox\" style=\"BORDER-LEFT: solid 1px ;BORDER-RIGHT: solid 1px ;"
           "BORDER-TOP: solid 1px ;BORDER-BOTTOM: solid 1px ;"
               + tail + "\">New Layout Box</div>";
    BoxBorders sides;
    sides.individual = true;
    sides.left = {"4.", "dotted", "#00FF00"};
    sides.right = {" 5 ", "double", ""};
    sides.top = {"3pt", "dashed", "#FF0000"};
    sides.bottom = {"thin", "none", "red"};
    sides.all = {"9", "groove", "#123456"};
    QTest::newRow("each side, left right top bottom")
        << "main box" << "#FFFFCC" << sides
        << "<div id=\"main box\" style=\"BORDER-LEFT: 4px dotted #00FF00;"
           "BORDER-RIGHT: 5px double ;BORDER-TOP: 3pt dashed #FF0000;BORDER-BOTTOM: thin none red;"
               + tail + "#FFFFCC\">New Layout Box</div>";
    BoxBorders quoted;
    quoted.all = {"2", "ridge", "\"blue"};
    QTest::newRow("quotes stay inside the attributes")
        << "a\"b" << "x\"" << quoted
        << "<div id=\"a&quot;b\" style=\"BORDER-LEFT: ridge 2px &quot;blue;BORDER-RIGHT: ridge "
           "2px &quot;blue;BORDER-TOP: ridge 2px &quot;blue;BORDER-BOTTOM: ridge 2px &quot;blue;"
               + tail + "x&quot;\">New Layout Box</div>";
}

void TestLayoutManager::borderRule()
{
    QFETCH(QString, name);
    QFETCH(QString, bgColour);
    QFETCH(BoxBorders, borders);
    QFETCH(QString, expected);
    QCOMPARE(layoutBoxHtml(name, bgColour, borders), expected);
}

void TestLayoutManager::boxPropertiesStage()
{
    LayoutManager *m = openWithSample(0);
    m->btnAddNew->click();
    auto *props = qobject_cast<LayoutBoxProps *>(WindowDirectory::loaded("LBoxProps"));
    QVERIFY(props && props->isVisible() && m->isVisible());
    QCOMPARE(props->windowTitle(), QString("Box Properties"));
    QCOMPARE(props->cmbAllBorderType->count(), 9);
    // The fields hold what the builder's defaults are.
    const BoxBorders shown = props->borders();
    QCOMPARE(layoutBoxHtml("", "", shown), layoutBoxHtml("", "", BoxBorders()));
    props->OKButton->click();
    flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("LBoxProps"));
    QVERIFY(TestEngine::settle(m->tagbar));
    QCOMPARE(TestEngine::body(m->tagbar), layoutBoxHtml("", "", BoxBorders()));

    // A second box replaces the one waiting; its name is its id.
    m->AddNewBox();
    props = qobject_cast<LayoutBoxProps *>(WindowDirectory::loaded("LBoxProps"));
    QCOMPARE(props->txtName->text(), QString());
    props->txtName->setText("Footer");
    props->radIndiBorder->setChecked(true);
    props->txtTopThickness->setText("3");
    props->OKButton->click();
    QVERIFY(TestEngine::settle(m->tagbar));
    const QString staged = TestEngine::body(m->tagbar);
    QVERIFY(staged.startsWith("<div id=\"Footer\" style=\"BORDER-LEFT: 1px solid ;"));
    QVERIFY(staged.contains("BORDER-TOP: 3px solid ;"));
    QCOMPARE(borderWidths(m->tagbar, "Footer"), QString("1px 1px 3px 1px"));

    // Dragged into the work area, it lands where it is dropped, its borders
    // kept. Real drags do not run offscreen: the page gets the drop itself.
    const QString carried =
        app(m->tagbar, "(function(){var dt = new DataTransfer(); document.body.dispatchEvent("
                       "new DragEvent('dragstart', {dataTransfer: dt, bubbles: true}));"
                       "return dt.getData('text/html');})()")
            .toString();
    QCOMPARE(carried, staged);
    QVERIFY(app(m->Result,
                QString("(function(){var dt = new DataTransfer(); dt.setData('text/html', %1);"
                        "var e = new DragEvent('drop', {dataTransfer: dt, clientX: 200, "
                        "clientY: 150, bubbles: true, cancelable: true});"
                        "document.elementFromPoint(200, 150).dispatchEvent(e);"
                        "return e.defaultPrevented;})()")
                    .arg(HtmlMarkup::jsString(carried)))
                .toBool());
    QVERIFY(TestEngine::settle(m->Result));
    QCOMPARE(app(m->Result, "(function(){var f = document.getElementById('Footer');"
                            "var r = f.getBoundingClientRect();"
                            "return [f.style.position, r.left, r.top].join(' ');})()")
                 .toString(),
             QString("absolute 200 150"));
    QCOMPARE(borderWidths(m->Result, "Footer"), QString("1px 1px 3px 1px"));
}

void TestLayoutManager::boxDroppedOnTheParagraphStandsBesideIt()
{
    // Sample 3 ends in a paragraph; a box placed on it lands beside it.
    LayoutManager *m = openWithSample(3);
    const QVariantList at = app(m->Result, "(function(){var p = document.querySelector('p');"
                                           "var r = p.getBoundingClientRect(); var x = r.left"
                                           " + 2, y = r.top + r.height / 2; return [x, y,"
                                           " document.elementFromPoint(x, y) === p];})()")
                                .toList();
    QVERIFY(at.value(2).toBool());
    m->Result->insertHtmlAt("<div id=\"Dropped\" style=\"width: 50px; height: 20px\">box</div>",
                            QPoint(at.value(0).toInt(), at.value(1).toInt()));
    QVERIFY(TestEngine::settle(m->Result));
    QCOMPARE(app(m->Result, "document.getElementById('Dropped').parentNode.tagName + ' '"
                            " + document.getElementById('Dropped').style.position + ' '"
                            " + document.querySelector('p').outerHTML").toString(),
             QString("BODY absolute <p>&nbsp;</p>"));
}

void TestLayoutManager::editHtmlBringsTheManagerBack_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("typed");
    QTest::newRow("ok, changed") << "ok" << "<p>edited</p>";
    QTest::newRow("ok, emptied") << "ok" << "";
    QTest::newRow("cancel") << "cancel" << "<p>edited</p>";
    QTest::newRow("frame") << "frame" << "<p>edited</p>";
}

void TestLayoutManager::editHtmlBringsTheManagerBack()
{
    QFETCH(QString, how);
    QFETCH(QString, typed);
    LayoutManager *m = openWithSample(4);
    const QString layout = *m->Result->bodyHtml();
    m->btnEditHTML->click();
    auto *editor = qobject_cast<LayoutEditHtml *>(WindowDirectory::loaded("LEditHTML"));
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(editor->windowTitle(), QString("Layout: Edit HTML"));
    QVERIFY(!m->isVisible());
    QCOMPARE(editor->txtCode->toPlainText(), layout);
    editor->txtCode->setPlainText(typed);
    if (how == "ok")
        editor->OKButton->click();
    else if (how == "cancel")
        editor->CancelButton->click();
    else
        editor->close();
    flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("LEditHTML"));
    QVERIFY(m->isVisible());
    QVERIFY(TestEngine::settle(m->Result));
    QCOMPARE(m->Result->bodyHtml(), std::optional<QString>(how == "ok" ? typed : layout));
}

void TestLayoutManager::helpWindow()
{
    LayoutManager *m = openWithSample(0);
    m->btnHelp->click();
    auto *help = qobject_cast<LayoutHelp *>(WindowDirectory::loaded("LHelp"));
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->windowTitle(), QString("Layout: Help"));
    QVERIFY(help->txtHelp->toPlainText().startsWith(
        "   Layout Manager is a useful tool using which you can design the layout"));
    const QStringList paragraphs = LayoutHelp::text("btnAddNew").split("\r\n\r\n");
    QCOMPARE(paragraphs.size(), 3);
    for (const QString &p : paragraphs)
        QVERIFY(p.startsWith("   ") && !p.startsWith("    "));
    QVERIFY(paragraphs[0].contains("click on the Add new box buton."));
    help->findChild<QPushButton *>("btnLoadSave")->click();
    QVERIFY(help->txtHelp->toPlainText().contains("Layout Manager File \"*.lyt\" and that's"));
    m->Help();
    QCOMPARE(WindowDirectory::loaded("LHelp"), help);
}

void TestLayoutManager::screenshot()
{
    const QString path = qEnvironmentVariable("QV_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("set QV_SCREENSHOT to a file name to take the picture");
    LayoutManager *m = openWithSample(3);
    m->AddNewBox();
    auto *props = qobject_cast<LayoutBoxProps *>(WindowDirectory::loaded("LBoxProps"));
    QVERIFY(props->grab().save(QString(path).replace(".png", "-boxprops.png")));
    props->OKButton->click();
    m->Result->selectObjectAt(QPoint(300, 300));
    QVERIFY(TestEngine::settle(m->tagbar));
    QVERIFY(TestEngine::settle(m->Result));
    QTest::qWait(1500);
    QVERIFY(m->grab().save(path));
}

QTEST_MAIN(TestLayoutManager)
#include "tst_layoutmanager.moc"
