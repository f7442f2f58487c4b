#include "app/windowregistry.h"
#include "dialogs/fontdialog.h"
#include "editor/menubuilder.h"
#include "editor/openers.h"
#include "editor/sourcewindow.h"
#include "platform/clipboard.h"
#include "platform/sourcearea.h"
#include "vevevodi/composerwindow.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <functional>

using Change = std::function<void(FontValues &)>;
Q_DECLARE_METATYPE(Change)

namespace {

FontDialog *openFromSource()
{
    Menus::find(Quorl(), "mnuFont")->trigger();
    return qobject_cast<FontDialog *>(WindowDirectory::loaded("frmFont"));
}

} // namespace

class TestFontDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void builder_data();
    void builder();
    void pairsExcludeEachOther();
    void fontNamesArePageNames();
    void wrapTheSelection();
    void composerTextComesFromTheClipboard();
    void screenshot();

private:
    TestEnv m_env;
};

void TestFontDialog::initTestCase()
{
    registerWindows();
}

void TestFontDialog::cleanup()
{
    TestEnv::unloadWindows();
}

void TestFontDialog::builder_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");

    QTest::newRow("nesting order")
        << Change([](FontValues &v) {
               v.style = "Bold"; v.underline = v.strong = v.overline = true; v.face = "Arial";
               v.size = "3"; v.colour = "#FF0000";
           })
        << "Hi"
        << "<B><STRONG><U><span style=\" text-decoration: overline\"><FONT face=\"Arial\" "
           "size=\"3\"><FONT color=\"#FF0000\">Hi</FONT></FONT></span></U></STRONG></B>";
    QTest::newRow("nothing chosen leaves the user's markup alone")
        << Change([](FontValues &) {}) << "<span style=\"a;\">x</span>"
        << "<span style=\"a;\">x</span>";
    QTest::newRow("Regular writes no tags") << Change([](FontValues &v) { v.style = "Regular"; })
                                            << "x" << "x";
    QTest::newRow("size without face") << Change([](FontValues &v) { v.size = "5"; }) << "x"
                                       << "<FONT size=\"5\">x</FONT>";
    QTest::newRow("Bold Italics") << Change([](FontValues &v) { v.style = "Bold Italics"; })
                                  << "x" << "<B><I>x</I></B>";
    QTest::newRow("Italics around the phrases")
        << Change([](FontValues &v) { v.style = "Italics"; v.code = v.sample = true; }) << "x"
        << "<I><SAMP><CODE>x</CODE></SAMP></I>";
    QTest::newRow("declarations in order, no trailing semicolon")
        << Change([](FontValues &v) {
               v.allCaps = v.smallCaps = v.hidden = v.overline = true;
           })
        << ";\"" << "<span style=\" text-decoration: overline; visibility: Hidden; font-variant:"
                   " small-caps; text-transform: uppercase\">;\"</span>";
    QTest::newRow("Capitalise wins")
        << Change([](FontValues &v) { v.allCaps = v.capitalise = true; }) << ""
        << "<span style=\" text-transform: capitalize\"></span>";
    QTest::newRow("every phrase, innermost first")
        << Change([](FontValues &v) {
               v.underline = v.blink = v.strike = v.superscript = v.subscript = v.strong = true;
               v.emphasis = v.keyboard = v.code = v.citation = v.sample = true;
           })
        << "x"
        << "<SAMP><CITE><CODE><KBD><EM><STRONG><SUB><SUP><STRIKE><BLINK><U>x</U></BLINK>"
           "</STRIKE></SUP></SUB></STRONG></EM></KBD></CODE></CITE></SAMP>";
}

void TestFontDialog::builder()
{
    QFETCH(Change, change);
    QFETCH(QString, text);
    QFETCH(QString, html);
    FontValues values;
    change(values);
    QCOMPARE(fontHtml(values, text), html);
}

void TestFontDialog::pairsExcludeEachOther()
{
    auto *dialog = WindowDirectory::touch<FontDialog>("frmFont");
    QCOMPARE(dialog->listSize->count(), 7);
    QCOMPARE(dialog->listStyle->count(), 4);
    dialog->chkAllCaps->click();
    dialog->chkCapitalise->click();
    QVERIFY(!dialog->chkAllCaps->isChecked());
    dialog->chkAllCaps->click();
    QVERIFY(!dialog->chkCapitalise->isChecked());
    dialog->chkSub->click();
    dialog->chkSup->click();
    QVERIFY(!dialog->chkSub->isChecked());
    dialog->chkSub->click();
    QVERIFY(!dialog->chkSup->isChecked() && dialog->chkAllCaps->isChecked());
}

void TestFontDialog::fontNamesArePageNames()
{
    // A family several foundries offer must not reach the page as
    // face="Family [foundry]".
    FontDialog *dialog = openFromSource();
    QStringList names;
    for (int i = 0; i < dialog->listFont->count(); ++i)
        names << dialog->listFont->item(i)->text();
    QVERIFY(!names.isEmpty());
    QVERIFY2(names.filter(QStringLiteral(" [")).isEmpty(),
             qPrintable(names.filter(QStringLiteral(" [")).join(u", ")));
    QCOMPARE(names.removeDuplicates(), 0);
}

void TestFontDialog::wrapTheSelection()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("say Hi now");
    quorl->area->setSelStart(4);
    quorl->area->setSelLength(2);
    FontDialog *dialog = openFromSource();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Font : Quorl"));
    QCOMPARE(dialog->compOrEdit, QString("edit"));
    dialog->listSize->setCurrentRow(1);
    dialog->listStyle->setCurrentRow(1);
    dialog->chkSmallCaps->click();
    dialog->OKButton->click();
    QCOMPARE(quorl->area->text(), QString("say <B><span style=\" font-variant: small-caps\">"
                                          "<FONT size=\"2\">Hi</FONT></span></B> now"));
    QVERIFY(!WindowDirectory::isLoaded("frmFont"));
}

void TestFontDialog::composerTextComesFromTheClipboard()
{
    Quorl()->area->setText("selected");
    Quorl()->area->selectAll();
    ComposerWindow *composer = Composr();
    composer->show();
    Clipboard::setText("Hi");
    Openers::open({"frmFont", {{"compOrEdit", "comp"}}, {}}, {});
    auto *dialog = qobject_cast<FontDialog *>(WindowDirectory::loaded("frmFont"));
    dialog->listStyle->setCurrentRow(2);
    dialog->OKButton->click();
    QCOMPARE(composer->stagedInsertions(), QStringList{"<I>Hi</I>"});

    // The page's text stays text: markup characters in it are not markup.
    Clipboard::setText("x<b>y & z");
    Openers::open({"frmFont", {{"compOrEdit", "comp"}}, {}}, {});
    dialog = qobject_cast<FontDialog *>(WindowDirectory::loaded("frmFont"));
    dialog->listStyle->setCurrentRow(1);
    dialog->OKButton->click();
    QCOMPARE(composer->stagedInsertions().last(), QString("<B>x&lt;b&gt;y &amp; z</B>"));
}

void TestFontDialog::screenshot()
{
    const QString path = qEnvironmentVariable("QV_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("set QV_SCREENSHOT to a file name to take the picture");
    FontDialog *dialog = openFromSource();
    dialog->listFont->setCurrentRow(0);
    dialog->listSize->setCurrentRow(2);
    dialog->listStyle->setCurrentRow(1);
    dialog->txtColour->setText("#FF0000");
    dialog->chkUnderline->click();
    dialog->chkOverline->click();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTest::qWait(300);
    QVERIFY(dialog->grab().save(path));
}

QTEST_MAIN(TestFontDialog)
#include "tst_fontdialog.moc"
