// The editing control's own dialogs: the markup they build, driven through
// their fields as a person would fill them.

#include "platform/htmlfontdialog.h"
#include "platform/htmlimagedialog.h"
#include "platform/htmllinkdialog.h"
#include "support/scriptedprompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

class TestHtmlDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void imageMarkup_data();
    void imageMarkup();
    void imageBrowseIsRelativeToThePage();
    void linkMarkup_data();
    void linkMarkup();
    void fontScript();
};

void TestHtmlDialogs::imageMarkup_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("alt");
    QTest::addColumn<int>("border");
    QTest::addColumn<QString>("align");
    QTest::addColumn<QString>("markup");
    QTest::newRow("plain") << "pic.png" << "" << 0 << "" << "<IMG src=\"pic.png\" border=\"0\">";
    QTest::newRow("all fields") << "a/b.gif" << "A picture" << 2 << "left"
                                << "<IMG src=\"a/b.gif\" alt=\"A picture\" border=\"2\" "
                                   "align=\"left\">";
    QTest::newRow("quotes cannot break out") << "x\" onerror=\"y" << "5 < 6 & \"q\"" << 0 << ""
                                             << "<IMG src=\"x&quot; onerror=&quot;y\" "
                                                "alt=\"5 &lt; 6 &amp; &quot;q&quot;\" border=\"0\">";
}

void TestHtmlDialogs::imageMarkup()
{
    QFETCH(QString, source);
    QFETCH(QString, alt);
    QFETCH(int, border);
    QFETCH(QString, align);
    QFETCH(QString, markup);
    HtmlImageDialog dialog{QString()};
    dialog.txtSource->setText(source);
    dialog.txtAlt->setText(alt);
    dialog.txtBorder->setValue(border);
    dialog.cmbAlign->setCurrentText(align);
    QCOMPARE(HtmlImageDialog::markup(dialog.image()), markup);
}

void TestHtmlDialogs::imageBrowseIsRelativeToThePage()
{
    ScriptedPrompter p;
    HtmlImageDialog dialog("/home/u/site");
    p.expect(ScriptedPrompter::OpenFile{"", QString("/home/u/site/img/a b.png")});
    dialog.findChild<QPushButton *>()->click();
    QCOMPARE(dialog.txtSource->text(), QString("img/a b.png"));
    p.expect(ScriptedPrompter::OpenFile{"", QString("/elsewhere/c.png")});
    dialog.findChild<QPushButton *>()->click();
    QCOMPARE(dialog.txtSource->text(), QString("file:///elsewhere/c.png"));
    QV_VERIFY_PROMPTS(p);
}

void TestHtmlDialogs::linkMarkup_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("markup");
    QTest::newRow("address shown") << "http://a.org/" << "" << ""
                                   << "<A href=\"http://a.org/\">http://a.org/</A>";
    QTest::newRow("text and target") << "page.html#top" << "Top & more" << "_blank"
                                     << "<A href=\"page.html#top\" target=\"_blank\">"
                                        "Top &amp; more</A>";
}

void TestHtmlDialogs::linkMarkup()
{
    QFETCH(QString, address);
    QFETCH(QString, text);
    QFETCH(QString, target);
    QFETCH(QString, markup);
    HtmlLinkDialog dialog;
    dialog.txtAddress->setText(address);
    dialog.txtText->setText(text);
    dialog.cmbTarget->setCurrentText(target);
    QCOMPARE(dialog.markup(), markup);
}

void TestHtmlDialogs::fontScript()
{
    ScriptedPrompter p;
    HtmlFontDialog dialog;
    QCOMPARE(HtmlFontDialog::script(dialog.choice()),
             QString("document.execCommand('styleWithCSS', false, false);"));
    dialog.cmbFace->setEditText("Liberation Serif");
    dialog.cmbSize->setCurrentText("5");
    p.expect(ScriptedPrompter::Color{QColor(Qt::black)});  // black is a colour
    dialog.btnColour->click();
    dialog.chkBold->setChecked(true);
    const QString script = HtmlFontDialog::script(dialog.choice());
    QVERIFY(script.contains("apply('fontName', \"Liberation Serif\")"));
    QVERIFY(script.contains("apply('fontSize', '5')"));
    QVERIFY(script.contains("apply('foreColor', '#000000')"));
    QVERIFY(script.contains("state('bold') || qvFormat.apply('bold')"));
    QVERIFY(!script.contains("italic"));
    QV_VERIFY_PROMPTS(p);
}

QTEST_MAIN(TestHtmlDialogs)
#include "tst_htmldialogs.moc"
