#include "app/windowregistry.h"
#include "dialogs/hyperlinkdialog.h"
#include "dialogs/maildialog.h"
#include "editor/menubuilder.h"
#include "editor/openers.h"
#include "support/composerpage.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(MailValues)

class TestMailDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void builder_data();
    void builder();
    void emptyAddressIsRefused();
    void insertIntoSourceWindow();
    void fromTheComposersHyperlinkDialog();
    void sourceCommandTakesTheOpenDialogBack();

private:
    TestEnv m_env;
};

void TestMailDialog::initTestCase()
{
    registerWindows();
}

void TestMailDialog::cleanup()
{
    TestEnv::unloadWindows();
}

void TestMailDialog::builder_data()
{
    QTest::addColumn<MailValues>("values");
    QTest::addColumn<QString>("html");  // empty: refused
    QTest::newRow("address only") << MailValues{"a@b.org", "", "", "", false}
                                  << "<A href=\"mailto:a@b.org\"></A>";
    QTest::newRow("subject as typed") << MailValues{"a@b.org", "Hi there", "Write", "", false}
                                      << "<A href=\"mailto:a@b.org?subject=Hi there\">Write</A>";
    QTest::newRow("tip and style")
        << MailValues{"a@b.org", "", "me", "Mail me", true}
        << "<A href=\"mailto:a@b.org\" TITLE=\"Mail me\" STYLE=\"text-decoration:none\">me</A>";
    QTest::newRow("every part")
        << MailValues{"a@b.org", "S", "T", "P", true}
        << "<A href=\"mailto:a@b.org?subject=S\" TITLE=\"P\" "
           "STYLE=\"text-decoration:none\">T</A>";
    QTest::newRow("empty address") << MailValues{"", "S", "T", "", false} << "";
}

void TestMailDialog::builder()
{
    QFETCH(MailValues, values);
    QFETCH(QString, html);
    QCOMPARE(mailHtml(values).value_or(QString()), html);
}

void TestMailDialog::emptyAddressIsRefused()
{
    auto *mail = WindowDirectory::touch<MailDialog>("mail");
    QCOMPARE(mail->windowTitle(), QString("Link to E-Mail ID : Quorl"));
    Quorl()->show();
    mail->txtSubject->setText("S");
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{"The E-Mail address has not been mentioned",
                                             "Assistant: Quorl", Prompter::Icon::Exclamation,
                                             Prompter::Buttons::Ok});
    mail->btnInsert->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(WindowDirectory::loaded("mail"), mail);
    QCOMPARE(Quorl()->area->text(), QString());
}

void TestMailDialog::insertIntoSourceWindow()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("write to me");
    quorl->area->setSelStart(9);
    quorl->area->setSelLength(2);
    Menus::find(quorl, "mnuLinkMail")->trigger();
    auto *mail = qobject_cast<MailDialog *>(WindowDirectory::loaded("mail"));
    QVERIFY(mail && mail->isVisible());
    QCOMPARE(mail->txtTextToDisp->text(), QString("me"));
    mail->txtLink->setText("a@b.org");
    mail->btnInsert->click();
    QCOMPARE(quorl->area->text(), QString("write to <A href=\"mailto:a@b.org\">me</A>"));
    QVERIFY(!WindowDirectory::isLoaded("mail"));
}

void TestMailDialog::fromTheComposersHyperlinkDialog()
{
    ComposerWindow *composer =
        ComposerPage::showAt("<html><body><p id=\"p\">one two</p></body></html>", 4);
    QVERIFY(composer);
    Quorl()->show();  // even with the source window showing, the link goes where it began
    Openers::open({"hyperlinks", {{"compOrEdit", "comp"}, {"txtTextToDisp", "Mail"}}, {}}, {});
    auto *link = qobject_cast<HyperlinkDialog *>(WindowDirectory::loaded("hyperlinks"));
    link->txtScreentip->setText("Tip");
    link->btnMail->click();
    QVERIFY(!WindowDirectory::isLoaded("hyperlinks"));
    auto *mail = qobject_cast<MailDialog *>(WindowDirectory::loaded("mail"));
    QVERIFY(mail && mail->isVisible());
    QCOMPARE(mail->txtTextToDisp->text(), QString("Mail"));
    QCOMPARE(mail->txtScreentip->text(), QString("Tip"));
    mail->txtLink->setText("a@b.org");
    mail->btnInsert->click();
    QV_TRY_COMPARE(ComposerPage::value("(() => { const a = document.querySelector('a');"
                                        " return a ? a.getAttribute('href') + '|' + a.title"
                                        " + '|' + a.textContent : ''; })()"),
                    QString("mailto:a@b.org|Tip|Mail"));
    QVERIFY(!Quorl()->area->text().contains("mailto"));
}

void TestMailDialog::sourceCommandTakesTheOpenDialogBack()
{
    QVERIFY(ComposerPage::showAt("<html><body><p id=\"p\">one</p></body></html>", 2));
    Openers::open({"hyperlinks", {{"compOrEdit", "comp"}}, {}}, {});
    qobject_cast<HyperlinkDialog *>(WindowDirectory::loaded("hyperlinks"))->btnMail->click();
    // Left open, the dialog is then asked for by the source window's command.
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("write to me");
    quorl->area->setSelStart(9);
    quorl->area->setSelLength(2);
    Menus::find(quorl, "mnuLinkMail")->trigger();
    auto *mail = qobject_cast<MailDialog *>(WindowDirectory::loaded("mail"));
    QVERIFY(mail && mail->isVisible());
    mail->txtLink->setText("a@b.org");
    mail->btnInsert->click();
    QCOMPARE(quorl->area->text(), QString("write to <A href=\"mailto:a@b.org\">me</A>"));
}

QTEST_MAIN(TestMailDialog)
#include "tst_maildialog.moc"
