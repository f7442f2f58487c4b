// The box maker on the real engine: its live preview, the options that
// follow the fields, and Insert carrying what the preview holds.

#include "app/windowregistry.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "sitetools/boxmaker.h"
#include "support/composerpage.h"
#include "support/files.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

const QString kOpening =
    "<div id=\"Box\" style=\"BORDER-LEFT: solid 1px ;BORDER-RIGHT: solid 1px ;"
    "BORDER-TOP: solid 1px ;BORDER-BOTTOM: solid 1px ;WIDTH: 328px; POSITION: relative; "
    "TOP: 0px; HEIGHT: 228px; BACKGROUND-COLOR: \"></div>";

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

BoxMaker *openFrom(QWidget *main)
{
    Menus::find(main, main == Quorl() ? "mnuRectangularBox" : "mnuInsRectBox")->trigger();
    auto *maker = qobject_cast<BoxMaker *>(WindowDirectory::loaded("BMBoxProps"));
    if (maker)
        TestEngine::settle(maker->tagbar);
    return maker;
}

QString preview(BoxMaker *maker)
{
    TestEngine::settle(maker->tagbar);
    return TestEngine::body(maker->tagbar);
}

} // namespace

class TestBoxMaker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void previewOnOpening();
    void changesChooseTheirOption_data();
    void changesChooseTheirOption();
    void insertCarriesTheResizedBox_data();
    void insertCarriesTheResizedBox();
    void screenshot();

private:
    TestEnv m_env;
};

void TestBoxMaker::initTestCase()
{
    registerWindows();
}

void TestBoxMaker::cleanup()
{
    WindowDirectory::unloadAll();
    flushDeletes();
}

void TestBoxMaker::previewOnOpening()
{
    Quorl()->show();
    BoxMaker *maker = openFrom(Quorl());
    QVERIFY(maker && maker->isVisible());
    QCOMPARE(maker->windowTitle(), QString("Box Maker: By Korrandel   [Visual Rectangular Box "
                                           "Designer and HTML Code generator]"));
    QCOMPARE(maker->property("txtCompOrEdit").toString(), QString("edit"));
    QCOMPARE(preview(maker), kOpening);
    QCOMPARE(borderWidths(maker->tagbar, "Box"), QString("1px 1px 1px 1px"));
    // What the spinner steps to shows as well.
    maker->findChild<QWidget *>("UDAll")->findChild<QToolButton *>("up")->click();
    QCOMPARE(maker->txtAllThickness->text(), QString("2"));
    QVERIFY(preview(maker).contains("BORDER-LEFT: solid 2px ;"));
    QCOMPARE(borderWidths(maker->tagbar, "Box"), QString("2px 2px 2px 2px"));
    QCOMPARE(maker->btnHelp->toolTip(), QString("Show Help"));
}

void TestBoxMaker::changesChooseTheirOption_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("individual");
    QTest::addColumn<QString>("declarations");
    QTest::addColumn<QString>("widths");
    QTest::newRow("left type") << "cmbIndiLeftType" << "dotted" << true
                               << "BORDER-LEFT: 1px dotted ;BORDER-RIGHT: 1px solid ;"
                                  "BORDER-TOP: 1px solid ;BORDER-BOTTOM: 1px solid ;"
                               << "1px 1px 1px 1px";
    QTest::newRow("bottom colour") << "txtBottomColour" << "#00FF00" << true
                                   << "BORDER-LEFT: 1px solid ;BORDER-RIGHT: 1px solid ;"
                                      "BORDER-TOP: 1px solid ;BORDER-BOTTOM: 1px solid #00FF00;"
                                   << "1px 1px 1px 1px";
    QTest::newRow("shared thickness") << "txtAllThickness" << "4" << false
                                      << "BORDER-LEFT: solid 4px ;BORDER-RIGHT: solid 4px ;"
                                         "BORDER-TOP: solid 4px ;BORDER-BOTTOM: solid 4px ;"
                                      << "4px 4px 4px 4px";
    QTest::newRow("a side's thickness with a unit") << "txtTopThickness" << "0.5em" << true
                                      << "BORDER-LEFT: 1px solid ;BORDER-RIGHT: 1px solid ;"
                                         "BORDER-TOP: 0.5em solid ;BORDER-BOTTOM: 1px solid ;"
                                      << "1px 1px 8px 1px";
}

void TestBoxMaker::changesChooseTheirOption()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, individual);
    QFETCH(QString, declarations);
    QFETCH(QString, widths);
    BoxMaker *maker = openFrom(Quorl());
    // Choosing the other option by hand leaves the preview as it is.
    (individual ? maker->radAllBorder : maker->radIndiBorder)->click();
    QCOMPARE(preview(maker), kOpening);

    QWidget *control = maker->findChild<QWidget *>(field);
    if (auto *combo = qobject_cast<QComboBox *>(control))
        combo->setCurrentText(text);
    else
        qobject_cast<QLineEdit *>(control)->setText(text);
    QCOMPARE(maker->radIndiBorder->isChecked(), individual);
    QCOMPARE(maker->radAllBorder->isChecked(), !individual);
    const QString expected = "<div id=\"Box\" style=\"" + declarations
                             + "WIDTH: 328px; POSITION: relative; TOP: 0px; HEIGHT: 228px; "
                               "BACKGROUND-COLOR: \"></div>";
    QCOMPARE(preview(maker), expected);
    QCOMPARE(borderWidths(maker->tagbar, "Box"), widths);

    // The background colour rebuilds without choosing an option.
    (individual ? maker->radAllBorder : maker->radIndiBorder)->click();
    maker->txtBGColour->setText("#FFFFCC");
    QCOMPARE(maker->radIndiBorder->isChecked(), !individual);
    QVERIFY(preview(maker).endsWith("BACKGROUND-COLOR: #FFFFCC\"></div>"));
}

void TestBoxMaker::insertCarriesTheResizedBox_data()
{
    QTest::addColumn<QString>("opener");
    QTest::newRow("source window") << "Quorl";
    QTest::newRow("composer") << "Composr";
}

void TestBoxMaker::insertCarriesTheResizedBox()
{
    QFETCH(QString, opener);
    HtmlEditView *page = nullptr;
    if (opener == "Composr") {
        page = showPageInComposer();
        QVERIFY(page);
    } else {
        Quorl()->show();
        Quorl()->area->setText("<p>ab</p>");
        Quorl()->area->setSelStart(4);
    }
    QWidget *main = page ? static_cast<QWidget *>(Composr()) : Quorl();
    BoxMaker *maker = openFrom(main);
    QCOMPARE(maker->property("txtCompOrEdit").toString(), page ? "comp" : "edit");
    maker->tagbar->selectObjectAt(QPoint(60, 60));
    maker->tagbar->resizeObjectTo(150, 90);
    QVERIFY(TestEngine::settle(maker->tagbar));
    const QString box = preview(maker);
    QVERIFY2(box.contains("width: 150px") && box.contains("height: 90px"), qPrintable(box));
    // The engine keeps the borders it can read through the resize.
    QCOMPARE(borderWidths(maker->tagbar, "Box"), QString("1px 1px 1px 1px"));

    maker->btnGenHTML->click();
    flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("BMBoxProps"));
    if (!page) {
        QCOMPARE(Quorl()->area->text(), "<p>a" + box + "b</p>");
        return;
    }
    QTRY_VERIFY(TestEngine::body(page).contains("id=\"Box\""));
    QCOMPARE(page->evaluate("(function(){var b = document.getElementById('Box');"
                            "return b.style.width + ' ' + b.style.height;})()")
                 .value_or(QVariant())
                 .toString(),
             QString("150px 90px"));
    QCOMPARE(borderWidths(page, "Box"), QString("1px 1px 1px 1px"));
}

void TestBoxMaker::screenshot()
{
    const QString path = qEnvironmentVariable("QV_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("set QV_SCREENSHOT to a file name to take the picture");
    BoxMaker *maker = openFrom(Quorl());
    // Bare thicknesses, as the fields and spinners hold them.
    for (QLineEdit *side : {maker->txtLeftThickness, maker->txtRightThickness,
                            maker->txtTopThickness, maker->txtBottomThickness})
        side->setText("2");
    maker->cmbIndiLeftType->setCurrentText("dotted");
    maker->txtTopThickness->setText("6");
    maker->txtBGColour->setText("#FFFFCC");
    QVERIFY(TestEngine::settle(maker->tagbar));
    QTest::qWait(1500);
    QVERIFY(maker->grab().save(path));
}

QTEST_MAIN(TestBoxMaker)
#include "tst_boxmaker.moc"
