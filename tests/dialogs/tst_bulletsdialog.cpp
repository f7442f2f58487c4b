#include "app/windowregistry.h"
#include "dialogs/bulletsdialog.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "platform/sourcearea.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

Q_DECLARE_METATYPE(BulletValues)

namespace {

BulletsDialog *openFromSource(const char *command)
{
    Menus::find(Quorl(), command)->trigger();
    return qobject_cast<BulletsDialog *>(WindowDirectory::loaded("bullets"));
}

void addPoints(BulletsDialog *dialog, const QStringList &points)
{
    for (const QString &point : points) {
        dialog->txtPoints->setText(point);
        QTest::keyClick(dialog->txtPoints, Qt::Key_Return);
    }
}

} // namespace

class TestBulletsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void builder_data();
    void builder();
    void typeFollowsTheKind_data();
    void typeFollowsTheKind();
    void editPoints();
    void numberedListIntoSource();

private:
    TestEnv m_env;
};

void TestBulletsDialog::initTestCase()
{
    registerWindows();
}

void TestBulletsDialog::cleanup()
{
    TestEnv::unloadWindows();
}

void TestBulletsDialog::builder_data()
{
    QTest::addColumn<BulletValues>("values");
    QTest::addColumn<QString>("html");
    QTest::newRow("numbered, with start")
        << BulletValues{true, "upper-roman", "3", {"One", "Two"}}
        << "<OL style=\"list-style-type: upper-roman;\" start=3>\r\n<LI>One\r\n<LI>Two\r\n</OL>";
    QTest::newRow("empty list gets one point")
        << BulletValues{false, "circle", "", {}}
        << "<UL style=\"list-style-type: circle;\">\r\n<LI>a\r\n</UL>";
    QTest::newRow("start on a bulleted list, empty points")
        << BulletValues{false, "square", "2", {"", "x"}}
        << "<UL style=\"list-style-type: square;\" start=2>\r\n<LI>\r\n<LI>x\r\n</UL>";
}

void TestBulletsDialog::builder()
{
    QFETCH(BulletValues, values);
    QFETCH(QString, html);
    QCOMPARE(bulletsHtml(values), html);
}

void TestBulletsDialog::typeFollowsTheKind_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("numbering");
    QTest::addColumn<QString>("bulletsAgain");
    QTest::newRow("design value") << "circle" << "decimal" << "circle";
    QTest::newRow("square") << "square" << "decimal" << "circle";
    QTest::newRow("roman") << "lower-roman" << "lower-roman" << "circle";
    QTest::newRow("none") << "none" << "none" << "none";
    QTest::newRow("typed by hand") << "my-type" << "my-type" << "my-type";
}

void TestBulletsDialog::typeFollowsTheKind()
{
    QFETCH(QString, typed);
    QFETCH(QString, numbering);
    QFETCH(QString, bulletsAgain);
    BulletsDialog *dialog = openFromSource("mnuBullets");
    QVERIFY(dialog->listTypeBul->isEnabled() && !dialog->txtStart->isEnabled());
    dialog->listTypeBula->setEditText(typed);
    dialog->radNum->click();
    QCOMPARE(dialog->listTypeBula->currentText(), numbering);
    QVERIFY(dialog->txtStart->isEnabled() && !dialog->listTypeBul->isEnabled());
    QCOMPARE(dialog->listTypeNum->currentRow(), 0);
    dialog->radBul->click();
    QCOMPARE(dialog->listTypeBula->currentText(), bulletsAgain);
}

void TestBulletsDialog::editPoints()
{
    auto *dialog = WindowDirectory::touch<BulletsDialog>("bullets");
    addPoints(dialog, {"one", "", "three"});
    QCOMPARE(dialog->txtPoints->text(), QString());
    QCOMPARE(dialog->values().points, QStringList({"one", "", "three"}));

    dialog->listPoints->setCurrentRow(0);
    dialog->btnUp->click();
    dialog->listPoints->setCurrentRow(2);
    dialog->btnDown->click();
    QCOMPARE(dialog->values().points, QStringList({"one", "", "three"}));
    dialog->btnUp->click();
    dialog->btnUp->click();
    QCOMPARE(dialog->values().points, QStringList({"three", "one", ""}));
    QCOMPARE(dialog->listPoints->currentRow(), 0);
    dialog->btnDown->click();
    QCOMPARE(dialog->values().points, QStringList({"one", "three", ""}));
    QCOMPARE(dialog->listPoints->currentRow(), 1);

    dialog->btnRemove->click();
    QCOMPARE(dialog->values().points, QStringList({"one", ""}));
    dialog->listPoints->clearSelection();
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{"No point selected to remove", "Assistant: Quorl",
                                             Prompter::Icon::Exclamation,
                                             Prompter::Buttons::Ok});
    dialog->btnRemove->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(dialog->values().points.size(), 2);

    dialog->txtPoints->setText("kept");
    dialog->btnClear->click();
    QCOMPARE(dialog->listPoints->count(), 0);
    QCOMPARE(dialog->txtPoints->text(), QString("kept"));
}

void TestBulletsDialog::numberedListIntoSource()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("<BODY></BODY>");
    quorl->area->setSelStart(6);
    BulletsDialog *dialog = openFromSource("mnuNumbering");
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Bullets And Numbering : Quorl"));
    QVERIFY(dialog->radNum->isChecked());
    addPoints(dialog, {"First"});
    dialog->btnInsert->click();
    QCOMPARE(quorl->area->text(), QString("<BODY><OL style=\"list-style-type: decimal;\">\r\n"
                                          "<LI>First\r\n</OL></BODY>"));
    QVERIFY(!WindowDirectory::isLoaded("bullets"));
}

QTEST_MAIN(TestBulletsDialog)
#include "tst_bulletsdialog.moc"
