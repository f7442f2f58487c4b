// The marquee and styled text dialogs with their live previews.

#include "app/windowregistry.h"
#include "dialogs/livepreview.h"
#include "dialogs/marqueedialog.h"
#include "dialogs/styletextdialog.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "platform/sourcearea.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <functional>

using MarqueeChange = std::function<void(MarqueeValues &)>;
using StyleChange = std::function<void(StyleTextValues &)>;
Q_DECLARE_METATYPE(MarqueeChange)
Q_DECLARE_METATYPE(StyleChange)

namespace {

// What the preview's page shows, once it has settled.
QString shown(HtmlEditView *preview)
{
    QString html;
    const bool read = TestEngine::waitUntil([&] {
        html = preview->isIdle() ? preview->documentHtml().value_or(QString()) : QString();
        return !html.isEmpty();
    });
    return read ? html : QStringLiteral("<no result>");
}

ScriptedPrompter::Message invalidValue()
{
    return {"Invalid Value", "Quorl", Prompter::Icon::None, Prompter::Buttons::Ok};
}

template <class T>
T *openFromSource(const char *command, const char *dialog)
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("");
    Menus::find(quorl, command)->trigger();
    return qobject_cast<T *>(WindowDirectory::loaded(dialog));
}

} // namespace

class TestPreviewDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void marqueeBuilder_data();
    void marqueeBuilder();
    void marqueeDialog();
    void marqueeRefusesEmptyText();
    void marqueeDigitBoxes();
    void loopSpinnerStopsAtMinusOne_data();
    void loopSpinnerStopsAtMinusOne();
    void styleBuilder_data();
    void styleBuilder();
    void styleDialog();
    void screenshot();

private:
    TestEnv m_env;
};

void TestPreviewDialogs::initTestCase()
{
    registerWindows();
}

void TestPreviewDialogs::cleanup()
{
    TestEnv::unloadWindows();
}

void TestPreviewDialogs::marqueeBuilder_data()
{
    QTest::addColumn<MarqueeChange>("change");
    QTest::addColumn<QString>("html");
    QTest::newRow("defaults") << MarqueeChange([](MarqueeValues &v) { v.text = "Hello"; })
                              << "<marquee behavior=Scroll direction=Left loop=-1>Hello</marquee>";
    QTest::newRow("width in percent")
        << MarqueeChange([](MarqueeValues &v) { v.width = "50"; v.percentage = true; })
        << "<marquee behavior=Scroll direction=Left width=\"50%\" loop=-1></marquee>";
    QTest::newRow("width in pixels") << MarqueeChange([](MarqueeValues &v) { v.width = "50"; })
                                     << "<marquee behavior=Scroll direction=Left width=\"50\" "
                                        "loop=-1></marquee>";
    QTest::newRow("every value in order")
        << MarqueeChange([](MarqueeValues &v) {
               v.behaviour = "Alternate"; v.direction = "Up"; v.scrollAmount = "3";
               v.scrollDelay = "90"; v.height = "40"; v.hSpace = "1"; v.vSpace = "2";
               v.colour = "#FFFF00"; v.loop = "4"; v.text = "Hi";
           })
        << "<marquee behavior=Alternate direction=Up scrollamount=3 scrolldelay=90 height=40 "
           "hspace=1 vspace=2 bgcolor=#FFFF00 loop=4>Hi</marquee>";
    QTest::newRow("empty behaviour, direction and loop")
        << MarqueeChange([](MarqueeValues &v) { v.behaviour = v.direction = v.loop = ""; })
        << "<marquee behavior= direction=></marquee>";
}

void TestPreviewDialogs::marqueeBuilder()
{
    QFETCH(MarqueeChange, change);
    QFETCH(QString, html);
    MarqueeValues values;
    change(values);
    QCOMPARE(marqueeHtml(values), html);
}

void TestPreviewDialogs::marqueeDialog()
{
    auto *dialog = openFromSource<MarqueeDialog>("mnuMarquee", "marquee");
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Insert Marquee : Quorl"));
    QCOMPARE(dialog->compOrEdit, QString("edit"));
    QVERIFY(dialog->preview->BrowseMode());
    // The preview shows the empty element at once and follows each change.
    QVERIFY(shown(dialog->preview).contains("<marquee behavior=\"Scroll\" direction=\"Left\" "
                                            "loop=\"-1\"></marquee>"));
    QTest::keyClicks(dialog->txtMarquee, "Hello");
    QV_TRY_VERIFY(shown(dialog->preview).contains(">Hello</marquee>"));
    dialog->listBehaviour->setCurrentRow(2);
    QV_TRY_VERIFY(shown(dialog->preview).contains("behavior=\"Alternate\""));
    dialog->listBehaviour->setCurrentRow(0);

    dialog->OKButton->click();
    TestEnv::flushDeletes();
    QCOMPARE(Quorl()->area->text(),
             QString("<marquee behavior=Scroll direction=Left loop=-1>Hello</marquee>"));
    QVERIFY(!WindowDirectory::isLoaded("marquee"));
}

void TestPreviewDialogs::marqueeRefusesEmptyText()
{
    auto *dialog = openFromSource<MarqueeDialog>("mnuMarquee", "marquee");
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{"No text entered to insert as marquee",
                                             "Assistant: Quorl", Prompter::Icon::Exclamation,
                                             Prompter::Buttons::Ok});
    dialog->OKButton->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(WindowDirectory::loaded("marquee"), dialog);
    QCOMPARE(Quorl()->area->text(), QString());
}

void TestPreviewDialogs::marqueeDigitBoxes()
{
    auto *dialog = WindowDirectory::touch<MarqueeDialog>("marquee");
    ScriptedPrompter prompts;
    prompts.expect(invalidValue());
    QTest::keyClicks(dialog->txtScrollAmount, "1a2");
    QV_VERIFY_PROMPTS(prompts);
    QVERIFY(prompts.allAnswered());
    QCOMPARE(dialog->txtScrollAmount->text(), QString("12"));
    QCOMPARE(dialog->txtScrollAmount->cursorPosition(), 2);
    // Typed in the middle, the caret stays in the middle.
    dialog->txtScrollAmount->setCursorPosition(1);
    prompts.expect(invalidValue());
    QTest::keyClicks(dialog->txtScrollAmount, ".5");
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(dialog->txtScrollAmount->text(), QString("152"));
    QCOMPARE(dialog->txtScrollAmount->cursorPosition(), 2);
    // An emptied box stays empty; the loop box is not checked.
    prompts.expect(invalidValue());
    dialog->txtWidth->setText("-");
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(dialog->txtWidth->text(), QString());
    dialog->txtLoop->setText("-3");
    QCOMPARE(dialog->txtLoop->text(), QString("-3"));
}

void TestPreviewDialogs::loopSpinnerStopsAtMinusOne_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<QString>("after");
    QTest::newRow("down at -1") << "-1" << "down" << "-1";
    QTest::newRow("down at 0") << "0" << "down" << "-1";
    QTest::newRow("up at -1") << "-1" << "up" << "0";
    QTest::newRow("down from empty") << "" << "down" << "-1";
}

void TestPreviewDialogs::loopSpinnerStopsAtMinusOne()
{
    QFETCH(QString, before);
    QFETCH(QString, arrow);
    QFETCH(QString, after);
    auto *dialog = WindowDirectory::touch<MarqueeDialog>("marquee");
    QCOMPARE(dialog->txtLoop->text(), QString("-1"));
    dialog->txtLoop->setText(before);
    dialog->updownLoop->findChild<QToolButton *>(arrow)->click();
    QCOMPARE(dialog->txtLoop->text(), after);
}

void TestPreviewDialogs::styleBuilder_data()
{
    QTest::addColumn<StyleChange>("change");
    QTest::addColumn<QString>("html");
    QTest::newRow("defaults")
        << StyleChange([](StyleTextValues &v) { v.text = "Hi"; })
        << "<TABLE Style = \"filter:dropshadow (color=blue, strength=1)\"><TR><TD><center>Hi"
           "</TABLE>";
    QTest::newRow("wavy defaults")
        << StyleChange([](StyleTextValues &v) { v.filter = "wavy"; v.strength = "7"; })
        << "<DIV ID=\"waveText\"style=\"width:0px;height:0px;font-size:36 ;color:blue;"
           "filter:wave(add=0,phase=4,freq=5,strength=2)\"></DIV>";
    QTest::newRow("typed colour passed through")
        << StyleChange([](StyleTextValues &v) {
               v.filter = "glow"; v.colour = "#12AB34"; v.strength = "10"; v.text = "x";
           })
        << "<TABLE Style = \"filter:glow (color=#12AB34, strength=10)\"><TR><TD><center>x"
           "</TABLE>";
}

void TestPreviewDialogs::styleBuilder()
{
    QFETCH(StyleChange, change);
    QFETCH(QString, html);
    StyleTextValues values;
    change(values);
    QCOMPARE(styleTextHtml(values), html);
}

void TestPreviewDialogs::styleDialog()
{
    auto *dialog = openFromSource<StyleTextDialog>("mnuText", "styleText");
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Style Text : Quorl"));
    QVERIFY(dialog->preview->BrowseMode());
    const QList<QLineEdit *> wave = {dialog->txtWidth, dialog->txtHeight, dialog->txtFontSize};
    for (QLineEdit *field : wave)
        QVERIFY(!field->isEnabled());
    QTest::keyClicks(dialog->txtStyle, "Hi");
    QV_TRY_VERIFY(shown(dialog->preview).contains("Hi"));

    dialog->listFilter->setCurrentRow(3);
    for (QLineEdit *field : wave)
        QVERIFY(field->isEnabled());
    dialog->txtFontSize->setText("20");
    QV_TRY_VERIFY(shown(dialog->preview).contains("waveText"));
    // Back to a table filter: the wave fields keep their values.
    dialog->listFilter->setCurrentRow(1);
    QVERIFY(!dialog->txtFontSize->isEnabled());
    QCOMPARE(dialog->txtFontSize->text(), QString("20"));

    dialog->OKButton->click();
    TestEnv::flushDeletes();
    QCOMPARE(Quorl()->area->text(),
             QString("<TABLE Style = \"filter:glow (color=blue, strength=1)\"><TR><TD><center>Hi"
                     "</TABLE>"));
}

void TestPreviewDialogs::screenshot()
{
    const QString path = qEnvironmentVariable("QV_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("set QV_SCREENSHOT to a file name to take the picture");
    auto *dialog = openFromSource<MarqueeDialog>("mnuMarquee", "marquee");
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->txtMarquee->setText("Welcome to my home page");
    dialog->txtColour->setText("#FFFF99");
    dialog->txtHeight->setText("40");
    QV_TRY_VERIFY(shown(dialog->preview).contains("Welcome"));
    QTest::qWait(1500);
    QVERIFY(dialog->grab().save(path));
}

QTEST_MAIN(TestPreviewDialogs)
#include "tst_previewdialogs.moc"
