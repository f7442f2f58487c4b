// Dialogs opened from one main window and confirmed while the other shows:
// they work on the page of the view showing, on the real engine.

#include "app/windowregistry.h"
#include "dialogs/cursordialog.h"
#include "dialogs/fontdialog.h"
#include "dialogs/headingdialog.h"
#include "dialogs/highlightdialog.h"
#include "dialogs/hyperlinkdialog.h"
#include "dialogs/maildialog.h"
#include "dialogs/marqueedialog.h"
#include "dialogs/rolloverdialog.h"
#include "dialogs/rowsdialog.h"
#include "dialogs/styletextdialog.h"
#include "dialogs/visualtabledialog.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "support/composerpage.h"
#include "support/files.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <functional>

using Confirm = std::function<void(QWidget *)>;
Q_DECLARE_METATYPE(Confirm)

namespace {

const QString kPage = QStringLiteral("<html><head><title>t</title></head><body>"
                                     "<p id=\"p\">say Hi now</p></body></html>");

// Opens a dialog from the source window with "Hi" selected there.
QWidget *openFromSource(const char *item, const char *dialog)
{
    SourceWindow *quorl = Quorl();
    quorl->area->setText(kPage);
    quorl->show();
    quorl->area->setSelStart(kPage.indexOf("Hi"));
    quorl->area->setSelLength(2);
    Menus::find(quorl, item)->trigger();
    return WindowDirectory::loaded(dialog);
}

// Switches to the composer with "now" selected in its page.
bool switchAndSelectNow()
{
    ShowVevevodi();
    ComposerWindow *composer = Composr();
    if (!QTest::qWaitForWindowExposed(composer) || !TestEngine::settle(composer->txtComp))
        return false;
    return composer->txtComp->evaluate(
        "(() => { const t = document.getElementById('p').firstChild;"
        " const r = document.createRange(); r.setStart(t, 7); r.setEnd(t, 10);"
        " getSelection().removeAllRanges(); getSelection().addRange(r); return true; })()")
        .value_or(false).toBool();
}

} // namespace

class TestShowingView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void rolloverGoesIntoTheComposersPage();
    void pageCommandsEditThePageShowing();
    void rowsAreRefusedInTheComposer();
    void selectionComesFromTheViewShowing_data();
    void selectionComesFromTheViewShowing();
    void typedTextStays_data();
    void typedTextStays();
    void composerSelectionGoesIntoTheSource_data();
    void composerSelectionGoesIntoTheSource();
    void visualTableFillsForTheViewShowing();

private:
    TestEnv m_env;
};

void TestShowingView::initTestCase()
{
    registerWindows();
}

void TestShowingView::cleanup()
{
    TestEnv::unloadWindows();
}

void TestShowingView::rolloverGoesIntoTheComposersPage()
{
    auto *dialog = qobject_cast<RolloverDialog *>(openFromSource("mnuRollImage", "rollover"));
    QVERIFY(dialog);
    dialog->txtName->setText("btn");
    dialog->txtFirstImage->setText("a.gif");
    dialog->txtSecondImage->setText("b.gif");
    QVERIFY(switchAndSelectNow());
    ComposerWindow *composer = Composr();
    dialog->insert->click();
    QVERIFY(!WindowDirectory::isLoaded("rollover"));
    QVERIFY(TestEngine::settle(composer->txtComp));
    // The link stands at the composer's caret, in place of its selection.
    QCOMPARE(ComposerPage::value("document.getElementById('p').textContent"),
             QString("say Hi "));
    QCOMPARE(ComposerPage::value("document.querySelector('#p a img').getAttribute('src')"),
             QString("a.gif"));
    QCOMPARE(ComposerPage::value("document.body.getAttribute('onload')"),
             QString("QRL_preloadImages('b.gif')"));
    QVERIFY(ComposerPage::value("document.head.innerHTML").contains("QRL_swapImgRestore"));

    // A second rollover in the same page adds its image to the preload call
    // and finds the script already there.
    dialog = WindowDirectory::touch<RolloverDialog>("rollover");
    dialog->txtName->setText("two");
    dialog->txtFirstImage->setText("c.gif");
    dialog->txtSecondImage->setText("d.gif");
    dialog->insert->click();
    QVERIFY(TestEngine::settle(composer->txtComp));
    QCOMPARE(ComposerPage::value("document.body.getAttribute('onload')"),
             QString("QRL_preloadImages('b.gif','d.gif')"));
    QCOMPARE(ComposerPage::value("String(document.head.querySelectorAll('script').length)"),
             QString("1"));

    // The next switch takes the page as the composer holds it.
    composer->showSourceView();
    const QString source = Quorl()->area->text();
    QVERIFY2(source.contains("QRL_swapImage('btn','','b.gif',1)"), qPrintable(source));
    QCOMPARE(source.count("function QRL_findObj"), 1);
}

void TestShowingView::pageCommandsEditThePageShowing()
{
    // The source window's page commands, reached while the composer shows.
    QVERIFY(ComposerPage::showAt(kPage, 0));
    ComposerWindow *composer = Composr();
    ScriptedPrompter prompter;
    prompter.expect(ScriptedPrompter::Input{"Enter the page title", "Quorl Vevevodi", "New"});
    prompter.expect(ScriptedPrompter::Message{"The required tag has been added", "Quorl"});
    Menus::find(Quorl(), "mnuPageTitle")->trigger();
    Menus::find(Quorl(), "mnuDisImgTbar")->trigger();
    QV_VERIFY_PROMPTS(prompter);
    QVERIFY(TestEngine::settle(composer->txtComp));
    QCOMPARE(ComposerPage::value("document.title"), QString("New"));
    QCOMPARE(ComposerPage::value("document.head.querySelector('meta').outerHTML"),
             QString("<meta http-equiv=\"imagetoolbar\" content=\"no\">"));
    QVERIFY(!Quorl()->isVisible());
}

void TestShowingView::rowsAreRefusedInTheComposer()
{
    auto *dialog = qobject_cast<RowsDialog *>(openFromSource("mnuinsrowcol", "frmrow"));
    QVERIFY(dialog);
    ComposerWindow *composer = Composr();
    composer->show();
    Quorl()->hide();
    ScriptedPrompter prompter;
    prompter.expect(ScriptedPrompter::Message{
        "Rows on their own cannot stand in the visual page: they belong inside a table of "
        "the HTML source. Switch to the source view (View > Editor) and insert them there.",
        "Assistant: Quorl", Prompter::Icon::Exclamation});
    dialog->OKButton->click();
    QV_VERIFY_PROMPTS(prompter);
    QVERIFY(dialog->isVisible());
    QCOMPARE(WindowDirectory::loaded("frmrow"), dialog);
    QVERIFY(composer->stagedInsertions().isEmpty());

    // Back in the source view the same dialog inserts them.
    Quorl()->show();
    composer->hide();
    dialog->OKButton->click();
    QVERIFY(!WindowDirectory::isLoaded("frmrow"));
    QVERIFY(Quorl()->area->text().contains("<td> New Row 2 Col 2</td>"));
}

void TestShowingView::selectionComesFromTheViewShowing_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<Confirm>("confirm");
    QTest::addColumn<QString>("wrapper");
    QTest::newRow("font") << "mnuFont" << "frmFont" << Confirm([](QWidget *w) {
        auto *d = static_cast<FontDialog *>(w);
        d->listStyle->setCurrentRow(2);
        d->OKButton->click();
    }) << "i";
    QTest::newRow("highlight") << "mnuHighlight" << "highlight" << Confirm([](QWidget *w) {
        auto *d = static_cast<HighlightDialog *>(w);
        d->txtColour->setText("red");
        d->OKButton->click();
    }) << "span";
    QTest::newRow("heading") << "mnuHeading" << "heading" << Confirm([](QWidget *w) {
        static_cast<HeadingDialog *>(w)->OKButton->click();
    }) << "h1";
    QTest::newRow("styled text") << "mnuText" << "styleText" << Confirm([](QWidget *w) {
        static_cast<StyleTextDialog *>(w)->OKButton->click();
    }) << "td";
    QTest::newRow("marquee") << "mnuMarquee" << "marquee" << Confirm([](QWidget *w) {
        static_cast<MarqueeDialog *>(w)->OKButton->click();
    }) << "marquee";
    QTest::newRow("mail") << "mnuLinkMail" << "mail" << Confirm([](QWidget *w) {
        auto *d = static_cast<MailDialog *>(w);
        d->txtLink->setText("a@b.org");
        d->btnInsert->click();
    }) << "a";
    QTest::newRow("cursor") << "mnuChangePointer" << "CursorArrow" << Confirm([](QWidget *w) {
        auto *d = static_cast<CursorDialog *>(w);
        d->choose("help");
        d->OKButton->click();
    }) << "span";
    QTest::newRow("hyperlink") << "mnuHyperlink" << "hyperlinks" << Confirm([](QWidget *w) {
        auto *d = static_cast<HyperlinkDialog *>(w);
        d->txtLink->setText("next.html");
        d->btnInsert->click();
    }) << "a";
}

void TestShowingView::selectionComesFromTheViewShowing()
{
    QFETCH(QString, item);
    QFETCH(QString, dialog);
    QFETCH(Confirm, confirm);
    QFETCH(QString, wrapper);
    QWidget *opened = openFromSource(qPrintable(item), qPrintable(dialog));
    QVERIFY(opened);
    QVERIFY(switchAndSelectNow());
    confirm(opened);
    ComposerWindow *composer = Composr();
    QV_TRY_VERIFY(composer->stagedInsertions().isEmpty());
    QVERIFY(TestEngine::settle(composer->txtComp));
    // The composer's selection is wrapped; the source's is not copied in.
    QCOMPARE(ComposerPage::value("document.body.textContent.trim()"), QString("say Hi now"));
    QCOMPARE(ComposerPage::value(QString("document.querySelector('body %1').textContent")
                                     .arg(wrapper)),
             QString("now"));
}

void TestShowingView::typedTextStays_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("html");
    QTest::newRow("heading") << "mnuHeading" << "heading" << "txtHeading"
                             << "<H1 align=\"Left\">Hi!</H1>";
    QTest::newRow("styled text") << "mnuText" << "styleText" << "txtStyle"
                                 << "<TABLE Style = \"filter:dropshadow (color=blue, "
                                    "strength=1)\"><TR><TD><center>Hi!</TABLE>";
    // The cursor dialog's code box: the user's edit of the code it wrote.
    QTest::newRow("cursor") << "mnuChangePointer" << "CursorArrow" << "txtCode" << "!Hi";
}

void TestShowingView::typedTextStays()
{
    QFETCH(QString, item);
    QFETCH(QString, dialog);
    QFETCH(QString, field);
    QFETCH(QString, html);
    QWidget *opened = openFromSource(qPrintable(item), qPrintable(dialog));
    QVERIFY(opened);
    QTest::keyClicks(opened->findChild<QWidget *>(field), "!");
    QVERIFY(switchAndSelectNow());
    opened->findChild<QPushButton *>("OKButton")->click();
    QCOMPARE(Composr()->stagedInsertions(), QStringList{html});
}

void TestShowingView::composerSelectionGoesIntoTheSource_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("dialog");
    // The source text as the user leaves it after the switch, "|" at the
    // start of its selection; empty: as the switch wrote it.
    QTest::addColumn<QString>("edited");
    // The stretch of that text the insertion changes, and what it becomes.
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    // %1: the link the dialog builds around "now".
    QTest::newRow("hyperlink") << "mnuLink" << "hyperlinks" << QString() << "say Hi now<"
                               << "say Hi %1<";
    QTest::newRow("heading") << "mnuHeading" << "heading" << QString() << "say Hi now<"
                             << "say Hi <H1 align=\"Left\">now</H1><";
    // The selection's text is gone from the source: the dialog's text goes
    // in at the caret, and the source's selection stays.
    QTest::newRow("text edited away") << "mnuLink" << "hyperlinks" << "<p>|later</p>"
                                      << "<p>later" << "<p>%1later";
}

void TestShowingView::composerSelectionGoesIntoTheSource()
{
    QFETCH(QString, item);
    QFETCH(QString, dialog);
    QFETCH(QString, edited);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QVERIFY(ComposerPage::showAt(kPage, 0));
    QVERIFY(ComposerPage::select("r.setStart(document.getElementById('p').firstChild, 7);"
                                 " r.setEnd(document.getElementById('p').firstChild, 10)"));
    Menus::find(Composr(), qPrintable(item))->trigger();
    QWidget *opened = WindowDirectory::loaded(dialog);
    QVERIFY(opened);
    Composr()->showSourceView();
    SourceArea *area = Quorl()->area;
    QVERIFY(Quorl()->isVisible());
    if (!edited.isEmpty()) {
        area->setText(QString(edited).remove(u'|'));
        area->setSelStart(edited.indexOf(u'|'));
        area->setSelLength(5);
    }
    const QString text = area->text();
    QCOMPARE(text.count(before), 1);
    if (auto *link = qobject_cast<HyperlinkDialog *>(opened)) {
        link->txtLink->setText("next.html");
        HyperlinkValues values = link->values();
        values.text = "now";
        after = after.arg(hyperlinkElement(values, false).value().html);
        link->btnInsert->click();
    } else {
        opened->findChild<QPushButton *>("OKButton")->click();
    }
    QCOMPARE(area->text(), QString(text).replace(before, after));
}

void TestShowingView::visualTableFillsForTheViewShowing()
{
    ComposerWindow *composer = Composr();
    composer->show();
    Quorl()->hide();
    auto *dialog = WindowDirectory::touch<VisualTableDialog>("visTbl");
    dialog->compOrEdit = "edit";
    emit dialog->num11->cellClicked(0);
    // A cell with only a blank would collapse in the page.
    QCOMPARE(composer->stagedInsertions(), QStringList{visualTableHtml(0, "comp")});
}

QTEST_MAIN(TestShowingView)
#include "tst_showingview.moc"
