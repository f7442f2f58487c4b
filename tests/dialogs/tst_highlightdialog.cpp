#include "app/windowregistry.h"
#include "dialogs/highlightdialog.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "platform/sourcearea.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestHighlightDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void builder_data();
    void builder();
    void highlightTheSelection();

private:
    TestEnv m_env;
};

void TestHighlightDialog::initTestCase()
{
    registerWindows();
}

void TestHighlightDialog::builder_data()
{
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    QTest::newRow("code") << "#ff8800" << "Note"
                          << "<span style=\"background-color: #FF8800\">Note</span> ";
    QTest::newRow("name") << "red" << "x" << "<span style=\"background-color: RED\">x</span> ";
    QTest::newRow("nothing") << "" << "" << "<span style=\"background-color: \"></span> ";
}

void TestHighlightDialog::builder()
{
    QFETCH(QString, colour);
    QFETCH(QString, text);
    QFETCH(QString, html);
    QCOMPARE(highlightHtml(colour, text), html);
}

void TestHighlightDialog::highlightTheSelection()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("a Note here");
    quorl->area->setSelStart(2);
    quorl->area->setSelLength(4);
    Menus::find(quorl, "mnuHighlight")->trigger();
    auto *dialog = qobject_cast<HighlightDialog *>(WindowDirectory::loaded("highlight"));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Highlight Text : Quorl"));
    QVERIFY(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Color{QColor(255, 136, 0)});
    dialog->openColor->click();
    QV_VERIFY_PROMPTS(prompts);
    dialog->OKButton->click();
    QCOMPARE(quorl->area->text(),
             QString("a <span style=\"background-color: #FF8800\">Note</span>  here"));
    QVERIFY(!WindowDirectory::isLoaded("highlight"));
}

QTEST_MAIN(TestHighlightDialog)
#include "tst_highlightdialog.moc"
