// Positioned elements and form controls as objects on the real engine:
// inserting at a point, moving, resizing, the cursor keys, a second click to
// edit text, and HTML dropped in from another view. Real drags do not run
// offscreen, so the drop arrives as the page would see it.

#include "platform/htmleditview.h"
#include "support/files.h"
#include "support/testenv.h"

#include <QTest>

namespace {

using TestEngine::settle;

QVariant app(HtmlEditView &v, const QString &js)
{
    return v.evaluate(js).value_or(QVariant(QStringLiteral("<no result>")));
}

QString read(HtmlEditView &v)
{
    return v.documentHtml().value_or(QStringLiteral("<no result>"));
}

// A canvas as the form designer keeps it, 400 by 300 at the page's corner.
const QString kCanvas = QStringLiteral(
    "<html><head><style>body { margin: 0 }</style></head><body><div id=\"c\" "
    "style=\"position: relative; left: 0px; top: 0px; width: 400px; height: 300px;\">"
    "</div><p id=\"p\">text</p></body></html>");
const QString kLabel = QStringLiteral(
    "<div id=\"l\" style=\"height: 10px; left: 10px; position: absolute; top: 10px; "
    "width: 100px\">New Label</div>");

} // namespace

class TestObjectEditing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void insertAtPoint_data();
    void insertAtPoint();
    void moveAndResizeLeaveOnlyTheStyles();
    void cursorKeysMoveFinely();
    void secondClickEditsText();
    void dragMovesAControlInTheFlow();
    void dropFromAnotherView_data();
    void dropFromAnotherView();
    void dropBelowALinkStaysOutOfIt();
    void positionedDropLeavesTheParagraph_data();
    void positionedDropLeavesTheParagraph();
    void layeringActsOnTheSelectedObject();
    void deleteRemovesTheSelectedObject_data();
    void deleteRemovesTheSelectedObject();

private:
    TestEnv m_env;
    HtmlEditView *v = nullptr;
};

void TestObjectEditing::init()
{
    v = new HtmlEditView;
    v->resize(640, 480);
    v->show();
    v->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(v));
    v->setDocumentHtml(kCanvas);
    QVERIFY(settle(v));
}

void TestObjectEditing::cleanup()
{
    delete v;
    v = nullptr;
}

void TestObjectEditing::insertAtPoint_data()
{
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<QString>("where");
    // In the flow the label keeps its own offsets inside the canvas; with
    // absolute drop mode its corner lands on the point.
    QTest::newRow("flow") << false << "10,10";
    QTest::newRow("absolute drop mode") << true << "150,120";
}

void TestObjectEditing::insertAtPoint()
{
    QFETCH(bool, absolute);
    QFETCH(QString, where);
    v->setAbsoluteDropMode(absolute);
    QCOMPARE(v->AbsoluteDropMode(), absolute);
    v->setDocumentHtml(kCanvas);  // the mode holds for every later document
    v->insertHtmlAt(kLabel, QPoint(150, 120));
    QCOMPARE(app(*v, "document.getElementById('l').parentNode.id").toString(), QString("c"));
    const QVariantList box = app(*v, "(function(){var r = document.getElementById('l')"
                                     ".getBoundingClientRect(); return [r.left, r.top];})()")
                                 .toList();
    QCOMPARE(QString("%1,%2").arg(box.value(0).toInt()).arg(box.value(1).toInt()), where);
    // The inserted object is the one selected, framed outside the document.
    QCOMPARE(app(*v, "qvObjects.selected() && qvObjects.selected().id").toString(),
             QString("l"));
    QVERIFY(app(*v, "Array.from(document.adoptedStyleSheets).some(s => Array.from(s.cssRules)"
                    ".some(r => r.cssText.startsWith('html::after')))")
                .toBool());
    QVERIFY(!read(*v).contains("after"));
}

void TestObjectEditing::moveAndResizeLeaveOnlyTheStyles()
{
    v->selectObjectAt(QPoint(200, 200));
    v->moveObjectTo(12, 34);
    v->resizeObjectTo(120, 45);
    QCOMPARE(read(*v),
             QString("<html><head><style>body { margin: 0 }</style></head><body><div id=\"c\" "
                     "style=\"position: relative; left: 12px; top: 34px; width: 120px; "
                     "height: 45px;\"></div><p id=\"p\">text</p></body></html>"));
    // Nothing there: nothing selected, nothing moved.
    v->selectObjectAt(QPoint(600, 450));
    v->moveObjectTo(99, 99);
    QVERIFY(read(*v).contains("left: 12px; top: 34px;"));
}

void TestObjectEditing::cursorKeysMoveFinely()
{
    v->selectObjectAt(QPoint(200, 200));
    QVERIFY(settle(v));
    QWidget *target = v->focusProxy() ? v->focusProxy() : v;
    QTest::keyClick(target, Qt::Key_Right);
    QTest::keyClick(target, Qt::Key_Right);
    QTest::keyClick(target, Qt::Key_Down);
    QTest::keyClick(target, Qt::Key_A);  // typing does not replace the object
    QTRY_VERIFY(read(*v).contains("left: 2px; top: 1px;"));
    QVERIFY(read(*v).contains("<div id=\"c\""));
}

void TestObjectEditing::secondClickEditsText()
{
    v->insertHtmlAt(kLabel, QPoint(5, 5));
    QVERIFY(settle(v));
    QWidget *target = v->focusProxy() ? v->focusProxy() : v;
    const QPoint onLabel(30, 15);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(500, 400));  // off every object
    QTRY_VERIFY(app(*v, "qvObjects.selected() === null").toBool());
    QTest::qWait(600);
    QTest::mouseClick(target, Qt::LeftButton, {}, onLabel);
    QTRY_COMPARE(app(*v, "qvObjects.selected() ? qvObjects.selected().id : ''").toString(),
                 QString("l"));
    QTest::qWait(600);  // not a double click
    QTest::mouseClick(target, Qt::LeftButton, {}, onLabel);
    QTRY_COMPARE(app(*v, "qvObjects.selected() ? 'object' : getSelection().anchorNode"
                         ".parentNode.id").toString(),
                 QString("l"));
    QTest::keyClick(target, Qt::Key_X);
    QTRY_VERIFY(read(*v).contains("Label</div>") && read(*v).contains("x"));
}

void TestObjectEditing::dragMovesAControlInTheFlow()
{
    // A text box as the form designer stages it carries no position: a drag
    // takes it to the place in the flow where the mouse is released.
    v->setDocumentHtml(QStringLiteral(
        "<html><head><style>body { margin: 0 }</style></head><body><p id=\"a\">first "
        "<input id=\"t\"></p><p id=\"b\">second line</p></body></html>"));
    QVERIFY(settle(v));
    const QVariantList from = app(*v, "(function(){var r = document.getElementById('t')"
                                      ".getBoundingClientRect(); return [r.left + r.width / 2,"
                                      " r.top + r.height / 2];})()").toList();
    const QVariantList to = app(*v, "(function(){var t = document.createRange();"
                                    " t.selectNodeContents(document.getElementById('b'));"
                                    " var e = t.getBoundingClientRect();"
                                    " return [e.right - 2, e.top + e.height / 2];})()").toList();
    QCOMPARE(from.size(), 2);
    QCOMPARE(to.size(), 2);
    const QPoint start(from[0].toInt(), from[1].toInt());
    const QPoint end(to[0].toInt(), to[1].toInt());
    QWidget *target = v->focusProxy() ? v->focusProxy() : v;
    QTest::mousePress(target, Qt::LeftButton, {}, start);
    for (int i = 1; i <= 5; ++i)
        QTest::mouseMove(target, start + (end - start) * i / 5);
    QTest::mouseRelease(target, Qt::LeftButton, {}, end);
    QTRY_COMPARE(app(*v, "document.getElementById('t').parentNode.id").toString(), QString("b"));
    QCOMPARE(read(*v),
             QString("<html><head><style>body { margin: 0 }</style></head><body><p id=\"a\">"
                     "first </p><p id=\"b\">second line<input id=\"t\"></p></body></html>"));
    QCOMPARE(app(*v, "qvObjects.selected() && qvObjects.selected().id").toString(), QString("t"));
}

void TestObjectEditing::dropFromAnotherView_data()
{
    QTest::addColumn<QString>("carried");
    QTest::newRow("staged html") << kLabel;
    QTest::newRow("as the engine wraps a copy")
        << "<meta charset='utf-8'><html><body><!--StartFragment-->" + kLabel
               + "<!--EndFragment--></body></html>";
}

void TestObjectEditing::dropFromAnotherView()
{
    QFETCH(QString, carried);
    // The staging view hands over its whole content when a drag starts.
    HtmlEditView staging;
    staging.setStagingMode(true);
    staging.setDocumentHtml(kLabel);
    QVERIFY(settle(&staging));
    QCOMPARE(app(staging, "(function(){var dt = new DataTransfer(); document.body.dispatchEvent("
                          "new DragEvent('dragstart', {dataTransfer: dt, bubbles: true}));"
                          "return dt.getData('text/html');})()")
                 .toString(),
             kLabel);

    v->setAbsoluteDropMode(true);
    const QString drop = QString("(function(){var dt = new DataTransfer(); dt.setData("
                                 "'text/html', %1); var e = new DragEvent('drop', {dataTransfer: "
                                 "dt, clientX: 50, clientY: 60, bubbles: true, cancelable: true});"
                                 "document.getElementById('c').dispatchEvent(e); "
                                 "return e.defaultPrevented;})()")
                             .arg("'" + QString(carried).replace("'", "\\'") + "'");
    QVERIFY(app(*v, drop).toBool());
    QVERIFY(read(*v).contains("<div id=\"l\" style=\"height: 10px; left: 50px; position: "
                              "absolute; top: 60px; width: 100px;\">New Label</div>"));
    QVERIFY(!read(*v).contains("Fragment"));
}

void TestObjectEditing::positionedDropLeavesTheParagraph_data()
{
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<bool>("dropped");
    // A layer dragged into the composer, and a box placed on the layout
    // manager's work area, which drops absolutely.
    QTest::newRow("dropped in the flow") << false << true;
    QTest::newRow("absolute drop mode") << true << false;
}

void TestObjectEditing::positionedDropLeavesTheParagraph()
{
    QFETCH(bool, absolute);
    QFETCH(bool, dropped);
    v->setAbsoluteDropMode(absolute);
    v->setDocumentHtml("<html><head><style>body { margin: 0 }</style></head><body>"
                       "<p id=\"p\">First <b>bold</b> para</p></body></html>");
    QVERIFY(settle(v));
    // Onto the middle of the bold word.
    const QVariantList at = app(*v, "(function(){var r = document.querySelector('b')"
                                    ".getBoundingClientRect(); return [Math.round(r.left"
                                    " + r.width / 2), Math.round(r.top + r.height / 2)];})()")
                                .toList();
    const QPoint point(at.value(0).toInt(), at.value(1).toInt());
    if (dropped) {
        const QString drop = QString("(function(){var dt = new DataTransfer(); dt.setData("
                                     "'text/html', %1); var e = new DragEvent('drop', "
                                     "{dataTransfer: dt, clientX: %2, clientY: %3, bubbles: "
                                     "true, cancelable: true}); document.querySelector('b')"
                                     ".dispatchEvent(e); return e.defaultPrevented;})()")
                                 .arg("'" + kLabel + "'")
                                 .arg(point.x())
                                 .arg(point.y());
        QVERIFY(app(*v, drop).toBool());
    } else {
        v->insertHtmlAt(kLabel, point);
    }
    // The paragraph stays whole; the layer stands beside it, with its
    // corner on the point.
    QCOMPARE(app(*v, "document.body.innerHTML.replace(/<div id=\"l\"[^>]*>New Label<\\/div>/,"
                     " 'L')").toString(),
             QString("<p id=\"p\">First <b>bold</b> para</p>L"));
    QCOMPARE(app(*v, "(function(){var r = document.getElementById('l')"
                     ".getBoundingClientRect(); return r.left + ',' + r.top;})()")
                 .toString(),
             QString("%1,%2").arg(point.x()).arg(point.y()));
    QVERIFY(app(*v, "(function(){var b = document.body.innerHTML; return new DOMParser()"
                    ".parseFromString('<!DOCTYPE html><body>' + b, 'text/html').body.innerHTML"
                    " === b;})()")
                .toBool());
}

void TestObjectEditing::dropBelowALinkStaysOutOfIt()
{
    // Below the last line the engine's nearest caret place is the end of the
    // link there; what is dropped on the empty page must not become part of it.
    v->setDocumentHtml(QStringLiteral(
        "<html><head><style>body { margin: 0 }</style></head><body><p>see "
        "<a id=\"k\" href=\"x.html\">Go</a></p></body></html>"));
    QVERIFY(settle(v));
    QVERIFY(app(*v, "(function(){var dt = new DataTransfer(); dt.setData('text/html', "
                    "'<div id=\"l\" style=\"position: absolute; left: 1px\">New Layer</div>');"
                    " var e = new DragEvent('drop', {dataTransfer: dt, clientX: 300, "
                    "clientY: 300, bubbles: true, cancelable: true});"
                    " document.elementFromPoint(300, 300).dispatchEvent(e);"
                    " return e.defaultPrevented;})()")
                .toBool());
    QTRY_VERIFY(read(*v).contains("New Layer"));
    QCOMPARE(app(*v, "document.getElementById('l').closest('a') === null").toBool(), true);
    QVERIFY(read(*v).contains("<a id=\"k\" href=\"x.html\">Go</a>"));
}

void TestObjectEditing::layeringActsOnTheSelectedObject()
{
    v->insertHtmlAt(kLabel, QPoint(5, 5));
    QVERIFY(v->ExecCommand(5041));  // bring to front
    QVERIFY(read(*v).contains("z-index: 1"));
    QCOMPARE(app(*v, "document.getElementById('l').style.zIndex").toString(), QString("1"));
}

void TestObjectEditing::deleteRemovesTheSelectedObject_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("Delete key") << true;
    QTest::newRow("delete command") << false;
}

void TestObjectEditing::deleteRemovesTheSelectedObject()
{
    QFETCH(bool, byKey);
    v->insertHtmlAt(kLabel, QPoint(5, 5));
    QVERIFY(settle(v));
    if (byKey) {
        QWidget *target = v->focusProxy() ? v->focusProxy() : v;
        QTest::keyClick(target, Qt::Key_Delete);
    } else {
        QVERIFY(v->ExecCommand(5004));
    }
    QTRY_VERIFY(!read(*v).contains("New Label"));
    QVERIFY(read(*v).contains("<div id=\"c\""));
}

QTEST_MAIN(TestObjectEditing)
#include "tst_objectediting.moc"
