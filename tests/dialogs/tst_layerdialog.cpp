// The layer dialog: its block, and the block dragged from it into the
// composer. Real drags do not run offscreen, so the drop is dispatched into
// the composer's page as the engine would deliver it.

#include "app/windowregistry.h"
#include "dialogs/layerdialog.h"
#include "editor/menubuilder.h"
#include "platform/htmleditview.h"
#include "support/composerpage.h"
#include "support/files.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QPushButton>
#include <QTest>

namespace {

QVariant run(HtmlEditView *view, const QString &js)
{
    return view->evaluate(js).value_or(QVariant(QStringLiteral("<no result>")));
}

LayerDialog *openFromComposer()
{
    Menus::find(Composr(), "mnuInsLayer")->trigger();
    return qobject_cast<LayerDialog *>(WindowDirectory::loaded("loading"));
}

} // namespace

class TestLayerDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void newLayerRestoresTheBlock();
    void droppedBlockLandsAtTheDropPoint();

private:
    TestEnv m_env;
};

void TestLayerDialog::initTestCase()
{
    registerWindows();
}

void TestLayerDialog::cleanup()
{
    TestEnv::unloadWindows();
}

void TestLayerDialog::newLayerRestoresTheBlock()
{
    LayerDialog *dialog = openFromComposer();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Insert Layer - Drag drop to composer"));
    QVERIFY(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(TestEngine::settle(dialog->txtLayer));
    QCOMPARE(TestEngine::body(dialog->txtLayer), layerBlock());

    QVERIFY(run(dialog->txtLayer, "(document.querySelector('div').textContent = 'Mine', "
                                  "document.querySelector('div').style.width = '50px', true)")
                .toBool());
    // Opening again keeps one dialog and puts a fresh block in it.
    QCOMPARE(openFromComposer(), dialog);
    QVERIFY(TestEngine::settle(dialog->txtLayer));
    QCOMPARE(TestEngine::body(dialog->txtLayer), layerBlock());

    QVERIFY(run(dialog->txtLayer, "(document.body.innerHTML = '', true)").toBool());
    dialog->btnNewLayer->click();
    QVERIFY(TestEngine::settle(dialog->txtLayer));
    QCOMPARE(TestEngine::body(dialog->txtLayer), layerBlock());
}

void TestLayerDialog::droppedBlockLandsAtTheDropPoint()
{
    HtmlEditView *page = showPageInComposer();
    QVERIFY(page);
    LayerDialog *dialog = openFromComposer();
    QVERIFY(TestEngine::settle(dialog->txtLayer));

    // What a drag from the dialog carries: the whole block.
    const QString carried =
        run(dialog->txtLayer, "(function(){var dt = new DataTransfer(); document.body."
                              "dispatchEvent(new DragEvent('dragstart', {dataTransfer: dt, "
                              "bubbles: true})); return dt.getData('text/html');})()")
            .toString();
    QCOMPARE(carried, layerBlock());

    const QString drop =
        QString("(function(){var dt = new DataTransfer(); dt.setData('text/html', %1);"
                "var e = new DragEvent('drop', {dataTransfer: dt, clientX: 150, clientY: 120,"
                " bubbles: true, cancelable: true}); document.body.dispatchEvent(e);"
                "return e.defaultPrevented;})()")
            .arg("'" + carried + "'");
    QVERIFY(run(page, drop).toBool());
    const QVariantList box = run(page, "(function(){var d = [...document.querySelectorAll("
                                       "'div')].find(x => x.textContent === 'New Layer');"
                                       "if (!d) return []; var r = d.getBoundingClientRect();"
                                       "return [r.left, r.top, r.width, r.height];})()")
                                 .toList();
    QCOMPARE(box, QVariantList({150, 120, 200, 100}));
    // It stands beside the paragraph the drop fell in, the page's text
    // untouched, so the saved page reads back the same.
    QCOMPARE(TestEngine::body(page),
             QString("<p id=\"p\">one</p><div style=\"height: 100px; left: 150px; position: "
                     "absolute; top: 120px; width: 200px;\">New Layer</div>"));
}

QTEST_MAIN(TestLayerDialog)
#include "tst_layerdialog.moc"
