#include "app/windowregistry.h"
#include "fakeconsole.h"
#include "dialogs/hyperlinkdialog.h"
#include "dialogs/maildialog.h"
#include "dialogs/targetwindow.h"
#include "editor/menubuilder.h"
#include "editor/openers.h"
#include "support/composerpage.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <functional>

using Change = std::function<void(HyperlinkValues &)>;
Q_DECLARE_METATYPE(Change)

namespace {

HyperlinkDialog *open(const QString &target, const QString &text = QString())
{
    Openers::open({"hyperlinks", {{"compOrEdit", target}, {"txtTextToDisp", text}}, {}}, {});
    return qobject_cast<HyperlinkDialog *>(WindowDirectory::loaded("hyperlinks"));
}

TargetWindow *targetWindow()
{
    return qobject_cast<TargetWindow *>(WindowDirectory::loaded("target"));
}

} // namespace

class TestHyperlinkDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void builder_data();
    void builder();
    void targetEntries_data();
    void targetEntries();
    void targetLastsOneInsertion();
    void emptyLinkIsRefused();
    void unknownTargetInsertsNothing();
    void xfnControlsAndBookmarks();
    void panels();
    void panelsStayOnScreen();
    void consoleRoute();
    void insertIntoSourceWindow();
    void insertIntoComposer();
    void composerSelectionKeepsItsMarkup_data();
    void composerSelectionKeepsItsMarkup();
    void screenshot();

private:
    TestEnv m_env;
};

void TestHyperlinkDialog::initTestCase()
{
    registerWindows();
    WindowDirectory::registerWindow("JSConsole", [] { return new FakeConsole; });
}

void TestHyperlinkDialog::cleanup()
{
    TestEnv::unloadWindows();
}

void TestHyperlinkDialog::builder_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("console");
    QTest::addColumn<QString>("html");  // empty: refused

    QTest::newRow("every part")
        << Change([](HyperlinkValues &v) {
               v.text = "Index"; v.screenTip = "Start"; v.noUnderline = true;
               v.friendship = "friend"; v.met = true; v.target = " target=\"_self\"";
           })
        << false
        << "<A rel=\" friend met\" href=\"page.html\" TITLE=\"Start\" "
           "STYLE=\"text-decoration:none\" target=\"_self\">Index</A>";
    QTest::newRow("nothing chosen") << Change([](HyperlinkValues &) {}) << false
                                    << "<A rel=\"\" href=\"page.html\"></A>";
    QTest::newRow("me overrides the groups")
        << Change([](HyperlinkValues &v) {
               v.me = true; v.friendship = "contact"; v.muse = true; v.family = "kin";
           })
        << false << "<A rel=\"me\" href=\"page.html\"></A>";
    QTest::newRow("values in their order")
        << Change([](HyperlinkValues &v) {
               v.sweetheart = v.date = v.crush = v.muse = true; v.family = "kin";
               v.geographical = "neighbor"; v.coworker = v.colleague = v.met = true;
               v.friendship = "acquaintance";
           })
        << false
        << "<A rel=\" acquaintance met colleague co-worker neighbor kin muse crush date "
           "sweetheart\" href=\"page.html\"></A>";
    QTest::newRow("typed target, quotes and markup as typed")
        << Change([](HyperlinkValues &v) {
               v.target = " target=\"main\""; v.text = "<b>\"x\"</b>";
           })
        << false << "<A rel=\"\" href=\"page.html\" target=\"main\"><b>\"x\"</b></A>";
    QTest::newRow("console")
        << Change([](HyperlinkValues &v) { v.text = "Go"; v.geographical = "co-resident"; })
        << true << "<A rel=\" co-resident\" href=\"page.html\" >Go</A>";
    QTest::newRow("console, '>' in the tip and link")
        << Change([](HyperlinkValues &v) {
               v.link = "a.html?x>1"; v.screenTip = "1 > 0"; v.text = "t";
           })
        << true << "<A rel=\"\" href=\"a.html?x>1\" TITLE=\"1 > 0\" >t</A>";
    QTest::newRow("empty link") << Change([](HyperlinkValues &v) { v.link.clear(); }) << false
                                << "";
}

void TestHyperlinkDialog::builder()
{
    QFETCH(Change, change);
    QFETCH(bool, console);
    QFETCH(QString, html);
    HyperlinkValues values;
    values.link = "page.html";
    change(values);
    const std::optional<LinkElement> element = hyperlinkElement(values, console);
    QCOMPARE(element ? element->html : QString(), html);
    if (element) {
        // tagEnd is the start tag's own ">", whatever the attributes hold.
        QCOMPARE(element->html.mid(element->tagEnd + 1), values.text + "</A>");
        QCOMPARE(element->html.at(element->tagEnd), u'>');
    }
}

void TestHyperlinkDialog::targetEntries_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("attribute");
    QTest::newRow("Default (None)") << 0 << "";
    QTest::newRow("Same Frame") << 1 << " target=\"_self\"";
    QTest::newRow("Whole Page") << 2 << " target=\"_top\"";
    QTest::newRow("New Window") << 3 << " target=\"_blank\"";
    QTest::newRow("Parent Frame") << 4 << " target=\"_parent\"";
}

void TestHyperlinkDialog::targetEntries()
{
    QFETCH(int, row);
    QFETCH(QString, attribute);
    auto *target = WindowDirectory::touch<TargetWindow>("target");
    QCOMPARE(target->windowTitle(), QString("Target Frame"));
    QCOMPARE(target->listTarget->count(), 5);
    QCOMPARE(target->txtTarget->text(), QString());
    target->txtTarget->setText(" target=\"typed\"");
    target->listTarget->setCurrentRow(row);
    QCOMPARE(target->txtTarget->text(), attribute);
}

void TestHyperlinkDialog::targetLastsOneInsertion()
{
    Quorl()->show();
    HyperlinkDialog *dialog = open("edit");
    dialog->btnTarget->click();
    TargetWindow *target = targetWindow();
    QVERIFY(target && target->isVisible());
    target->listTarget->setCurrentRow(2);
    target->OKButton->click();
    QVERIFY(!target->isVisible());
    dialog->txtLink->setText("a.html");
    dialog->btnInsert->click();
    QCOMPARE(Quorl()->area->text(), QString("<A rel=\"\" href=\"a.html\" target=\"_top\"></A>"));
    QVERIFY(!WindowDirectory::isLoaded("hyperlinks"));
    QVERIFY(!targetWindow());

    // Close empties the choice; closing the dialog takes the target window along.
    dialog = open("edit");
    dialog->btnTarget->click();
    targetWindow()->listTarget->setCurrentRow(3);
    targetWindow()->CancelButton->click();
    QVERIFY(!targetWindow());
    QCOMPARE(dialog->values().target, QString());
    dialog->btnTarget->click();
    QVERIFY(targetWindow());
    dialog->close();
    QVERIFY(!WindowDirectory::isLoaded("hyperlinks"));
    QVERIFY(!targetWindow());
}

void TestHyperlinkDialog::emptyLinkIsRefused()
{
    Quorl()->show();
    HyperlinkDialog *dialog = open("edit", "Index");
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->btnInsert->setFocus();
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{"The Link URL has not been mentioned",
                                             "Assistant: Quorl", Prompter::Icon::Exclamation,
                                             Prompter::Buttons::Ok});
    dialog->btnInsert->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(WindowDirectory::loaded("hyperlinks"), dialog);
    QTRY_VERIFY(dialog->txtLink->hasFocus());
    QCOMPARE(Quorl()->area->text(), QString());
}

void TestHyperlinkDialog::unknownTargetInsertsNothing()
{
    Quorl()->show();
    auto *dialog = WindowDirectory::touch<HyperlinkDialog>("hyperlinks");
    dialog->txtLink->setText("a.html");
    dialog->btnInsert->click();
    QCOMPARE(Quorl()->area->text(), QString());
    QVERIFY(!WindowDirectory::isLoaded("hyperlinks"));
}

void TestHyperlinkDialog::xfnControlsAndBookmarks()
{
    auto *dialog = WindowDirectory::touch<HyperlinkDialog>("hyperlinks");
    const QList<QWidget *> xfn = dialog->fraXfn->findChildren<QWidget *>();
    QList<QAbstractButton *> switched;
    for (QWidget *w : xfn) {
        if (auto *b = qobject_cast<QAbstractButton *>(w); b && b != dialog->anotherLoc)
            switched << b;
    }
    QCOMPARE(switched.size(), 20);
    dialog->anotherLoc->click();
    for (QAbstractButton *b : switched)
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    dialog->anotherLoc->click();
    for (QAbstractButton *b : switched)
        QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));

    // Each group starts at None; its options exclude each other, not those of another.
    QVERIFY(dialog->frndNone->isChecked() && dialog->geonone->isChecked()
            && dialog->famNone->isChecked());
    dialog->frndFrnd->click();
    dialog->famKin->click();
    dialog->frndContact->click();
    QCOMPARE(dialog->values().friendship, QString("contact"));
    QCOMPARE(dialog->values().family, QString("kin"));

    // The source window fills the bookmark list; a click makes it the link.
    QVERIFY(dialog->listBookMarks->count() == 0 && dialog->listAddress->count() == 0);
    dialog->listBookMarks->addItems({"top", "end"});
    QCOMPARE(dialog->txtLink->text(), QString());
    dialog->listBookMarks->setCurrentRow(1);
    QCOMPARE(dialog->txtLink->text(), QString("#end"));
}

void TestHyperlinkDialog::panels()
{
    HyperlinkDialog *dialog = open("edit");
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    // Room to grow on the left and below.
    const QRect screen = dialog->screen()->availableGeometry();
    dialog->move(screen.right() - dialog->frameGeometry().width(), screen.top());
    QTRY_COMPARE(dialog->x(), screen.right() - dialog->frameGeometry().width());
    const QRect compact = dialog->geometry();
    QVERIFY(dialog->fraBookMarks->isHidden() && dialog->fraXfn->isHidden());

    dialog->btnBookMarks->click();
    QVERIFY(dialog->fraBookMarks->isVisible());
    QVERIFY(dialog->width() > compact.width());
    QCOMPARE(dialog->height(), compact.height());
    // The window grows to the left.
    QTRY_VERIFY(dialog->x() < compact.x() - 100);
    dialog->btnBookMarks->click();
    QVERIFY(dialog->fraBookMarks->isHidden());
    QTRY_COMPARE(dialog->geometry(), compact);

    dialog->btnAdvanced->click();
    QVERIFY(dialog->fraBookMarks->isVisible() && dialog->fraXfn->isVisible());
    QVERIFY(dialog->height() > compact.height());
    QVERIFY(!dialog->btnBookMarks->isEnabled());
    // The window grows to the left.
    QTRY_VERIFY(dialog->x() < compact.x() - 100);
    dialog->btnAdvanced->click();
    QVERIFY(dialog->fraBookMarks->isHidden() && dialog->fraXfn->isHidden());
    QVERIFY(dialog->btnBookMarks->isEnabled());
    QTRY_COMPARE(dialog->geometry(), compact);
}

void TestHyperlinkDialog::panelsStayOnScreen()
{
    HyperlinkDialog *dialog = open("edit");
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QRect screen = dialog->screen()->availableGeometry();
    dialog->move(screen.topLeft());
    QTRY_COMPARE(dialog->pos(), screen.topLeft());
    const QRect compact = dialog->geometry();
    // Every part the user must reach lies on the screen.
    const auto onScreen = [&](QWidget *part) {
        return screen.contains(QRect(part->mapToGlobal(QPoint(0, 0)), part->size()));
    };

    dialog->btnBookMarks->click();
    QTRY_VERIFY(onScreen(dialog->listBookMarks));
    QVERIFY(onScreen(dialog->btnInsert));
    dialog->btnBookMarks->click();
    QTRY_COMPARE(dialog->geometry(), compact);

    dialog->btnAdvanced->click();
    QTRY_VERIFY(onScreen(dialog->listBookMarks));
    const QList<QWidget *> groups = {dialog->frndFrnd, dialog->famKin, dialog->RomSweetheart,
                                     dialog->geonone, dialog->profCow};
    for (QWidget *control : groups)
        QVERIFY2(onScreen(control), qPrintable(control->objectName()));
    dialog->btnAdvanced->click();
    QTRY_COMPARE(dialog->geometry(), compact);
}

void TestHyperlinkDialog::consoleRoute()
{
    auto *console = FakeConsole::touch();
    console->setCode("<IMG src=\"x.gif\" ");
    HyperlinkDialog *dialog = open("jsc");
    dialog->txtLink->setText("a.html");
    dialog->txtScreentip->setText("a > b");
    dialog->txtTextToDisp->setText("t");
    dialog->btnInsert->click();
    const QString code = "<A rel=\"\" href=\"a.html\" TITLE=\"a > b\" >t</A>";
    QCOMPARE(console->code(), code);
    QCOMPARE(console->selection, qMakePair(code.indexOf(" >t") + 1, qsizetype(1)));
    QVERIFY(console->focused);
    QVERIFY(!WindowDirectory::isLoaded("hyperlinks"));
}

void TestHyperlinkDialog::insertIntoSourceWindow()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("<p>see here</p>");
    quorl->area->setSelStart(7);
    quorl->area->setSelLength(4);
    HyperlinkDialog *dialog = open("edit", quorl->area->selText());
    QCOMPARE(dialog->txtTextToDisp->text(), QString("here"));
    dialog->txtLink->setText("#notes");
    dialog->btnInsert->click();
    QCOMPARE(quorl->area->text(), QString("<p>see <A rel=\"\" href=\"#notes\">here</A></p>"));
    QCOMPARE(quorl->star, QString("*"));
}

void TestHyperlinkDialog::insertIntoComposer()
{
    QVERIFY(ComposerPage::showAt("<html><body><p id=\"p\">one two</p></body></html>", 4));
    HyperlinkDialog *dialog = open("comp", "two");
    dialog->txtLink->setText("b.html");
    dialog->frndFrnd->click();
    dialog->btnInsert->click();
    QVERIFY(!WindowDirectory::isLoaded("hyperlinks"));
    QV_TRY_COMPARE(ComposerPage::value("(() => { const a = document.querySelector('a');"
                                        " return a ? a.getAttribute('href') + '|'"
                                        " + a.getAttribute('rel') + '|' + a.textContent"
                                        " : ''; })()"),
                    QString("b.html| friend|two"));
}

void TestHyperlinkDialog::composerSelectionKeepsItsMarkup_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("range");  // null: Select All
    QTest::addColumn<QString>("typed");  // null: the preset is left as it is
    QTest::addColumn<bool>("mail");      // confirmed in the mail dialog instead
    QTest::addColumn<QString>("body");   // the paragraph's content; A stands for the link
    const QString mixed = "see <img src=\"a.png\"> here <b>bold</b> end";
    const QString all;
    QTest::newRow("image and bold") << mixed << all << QString() << false << "A" + mixed + "/A";
    QTest::newRow("through the mail dialog")
        << mixed << all << QString() << true << "A" + mixed + "/A";
    QTest::newRow("markup characters are text")
        << "x&lt;b&gt;y &amp; z" << all << QString() << false << "Ax&lt;b&gt;y &amp; z/A";
    QTest::newRow("the preset changed")
        << mixed << all << "<i>own</i>" << false << "A<i>own</i>/A";
    QTest::newRow("an image alone")
        << mixed << "r.selectNode(document.querySelector('img'))" << QString() << false
        << "see A<img src=\"a.png\">/A here <b>bold</b> end";
}

void TestHyperlinkDialog::composerSelectionKeepsItsMarkup()
{
    QFETCH(QString, page);
    QFETCH(QString, range);
    QFETCH(QString, typed);
    QFETCH(bool, mail);
    QFETCH(QString, body);
    QVERIFY(ComposerPage::showAt("<html><body><p id=\"p\">" + page + "</p></body></html>", 0));
    if (range.isNull())
        Composr()->txtComp->ExecCommand(5035);
    else
        QVERIFY(ComposerPage::select(range));
    Menus::find(Composr(), "mnuLink")->trigger();
    auto *dialog = qobject_cast<HyperlinkDialog *>(WindowDirectory::loaded("hyperlinks"));
    QVERIFY(dialog && dialog->isVisible());
    // The dialog shows the text; the markup is what a confirmation wraps.
    QCOMPARE(dialog->txtTextToDisp->text(),
             ComposerPage::value("getSelection().toString()"));
    if (!typed.isNull())
        dialog->txtTextToDisp->setText(typed);
    QString start = "<a rel=\"\" href=\"link.html\">";
    if (mail) {
        dialog->btnMail->click();
        auto *mailDialog = qobject_cast<MailDialog *>(WindowDirectory::loaded("mail"));
        QVERIFY(mailDialog);
        mailDialog->txtLink->setText("me@example.org");
        mailDialog->btnInsert->click();
        start = "<a href=\"mailto:me@example.org\">";
    } else {
        dialog->txtLink->setText("link.html");
        dialog->btnInsert->click();
    }
    QV_TRY_COMPARE(ComposerPage::value("document.body.innerHTML"),
                   "<p id=\"p\">" + body.replace("/A", "</a>").replace("A", start) + "</p>");
    QVERIFY(ComposerPage::readsBackTheSame());
}

void TestHyperlinkDialog::screenshot()
{
    const QString path = qEnvironmentVariable("QV_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("set QV_SCREENSHOT to a file name to take the picture");
    HyperlinkDialog *dialog = open("edit", "Index");
    dialog->listBookMarks->addItems({"top", "contents", "notes"});
    dialog->txtLink->setText("page.html");
    dialog->txtScreentip->setText("Start");
    dialog->btnAdvanced->click();
    dialog->frndFrnd->click();
    dialog->Met->click();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTest::qWait(300);
    QVERIFY(dialog->grab().save(path));
}

QTEST_MAIN(TestHyperlinkDialog)
#include "tst_hyperlinkdialog.moc"
