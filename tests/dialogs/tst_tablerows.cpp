// The rows and visual table dialogs, and the digit check the rows and
// marquee dialogs share.

#include "app/windowregistry.h"
#include "dialogs/digitfield.h"
#include "dialogs/rowsdialog.h"
#include "dialogs/visualtabledialog.h"
#include "editor/menubuilder.h"
#include "editor/sourcewindow.h"
#include "platform/sourcearea.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

using Change = std::function<void(RowsValues &)>;
Q_DECLARE_METATYPE(Change)

namespace {

const QString crlf = "\r\n";

QString newRow(const QString &start, int r, int cols, bool labelled = true)
{
    QString text = start + crlf;
    for (int c = 1; c <= cols; ++c)
        text += "   <td> " + (labelled ? QString("New Row %1 Col %2").arg(r).arg(c) : QString())
                + "</td>" + crlf;
    return text + "</tr>";
}

ScriptedPrompter::Message invalidValue()
{
    return {"Invalid Value", "Quorl", Prompter::Icon::None, Prompter::Buttons::Ok};
}

} // namespace

class TestTableRows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void digitCheck_data();
    void digitCheck();
    void rowsFieldsCheckDigits();
    void rowsBuilder_data();
    void rowsBuilder();
    void rowsIntoSourceWindow();
    void hugeRowsAreRefused();
    void visualSize_data();
    void visualSize();
    void visualFiller_data();
    void visualFiller();
    void litRectangle();
    void visualClickInserts();
    void screenshot();

private:
    TestEnv m_env;
};

void TestTableRows::initTestCase()
{
    registerWindows();
}

void TestTableRows::cleanup()
{
    TestEnv::unloadWindows();
}

void TestTableRows::digitCheck_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("whenEmptied");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("messages");
    QTest::newRow("digits pass") << "120" << "2" << "120" << 0;
    QTest::newRow("empty passes silently") << "" << "2" << "" << 0;
    QTest::newRow("letter after a digit") << "2a" << "2" << "2" << 1;
    QTest::newRow("a letter alone becomes 2") << "a" << "2" << "2" << 1;
    QTest::newRow("one message a character") << "1a2b" << "2" << "12" << 2;
    QTest::newRow("signs and points are refused") << "-1.5" << "" << "15" << 2;
    QTest::newRow("marquee box emptied stays empty") << "x" << "" << "" << 1;
}

void TestTableRows::digitCheck()
{
    QFETCH(QString, text);
    QFETCH(QString, whenEmptied);
    QFETCH(QString, result);
    QFETCH(int, messages);
    const DigitCheck checked = checkDigits(text, whenEmptied);
    QCOMPARE(checked.text, result);
    QCOMPARE(checked.messages, messages);
}

void TestTableRows::rowsFieldsCheckDigits()
{
    auto *dialog = WindowDirectory::touch<RowsDialog>("frmrow");
    ScriptedPrompter prompts;
    prompts.expect(invalidValue()).expect(invalidValue());
    dialog->txtrow->setText("1a2b");
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(dialog->txtrow->text(), QString("12"));
    QCOMPARE(dialog->txtrow->cursorPosition(), 2);

    // Clearing passes silently; a letter into the empty field gives "2".
    dialog->txtcol->clear();
    QCOMPARE(dialog->txtcol->text(), QString());
    prompts.expect(invalidValue());
    QTest::keyClicks(dialog->txtcol, "q");
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(dialog->txtcol->text(), QString("2"));
}

void TestTableRows::rowsBuilder_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("html");
    QTest::newRow("design values")
        << Change([](RowsValues &) {})
        << "<tr>\r\n   <td> New Row 1 Col 1</td>\r\n   <td> New Row 1 Col 2</td>\r\n</tr>\r\n"
           "\r\n<tr>\r\n   <td> New Row 2 Col 1</td>\r\n   <td> New Row 2 Col 2</td>\r\n</tr>";
    QTest::newRow("a colour")
        << Change([](RowsValues &v) { v.colour = "#FF0000"; v.rows = "1"; })
        << newRow("<tr bgcolor=\"#FF0000\">", 1, 2);
    QTest::newRow("empty colour") << Change([](RowsValues &v) { v.colour = ""; v.rows = "1"; })
                                  << newRow("<tr>", 1, 2);
    QTest::newRow("None typed") << Change([](RowsValues &v) { v.colour = "None"; v.rows = "1"; })
                                << newRow("<tr>", 1, 2);
    QTest::newRow("1 row, 0 columns")
        << Change([](RowsValues &v) { v.rows = "1"; v.cols = "0"; }) << "<tr>\r\n</tr>";
    QTest::newRow("empty cells")
        << Change([](RowsValues &v) { v.emptyTable = true; v.cols = "1"; })
        << newRow("<tr>", 1, 1, false) + crlf + crlf + newRow("<tr>", 2, 1, false);
    QTest::newRow("empty rows field") << Change([](RowsValues &v) { v.rows = ""; }) << "";
    QTest::newRow("beyond 16 bits")
        << Change([](RowsValues &v) { v.rows = "40000"; v.cols = "0"; v.emptyTable = true; })
        << QString("<tr>\r\n</tr>\r\n\r\n").repeated(39999) + "<tr>\r\n</tr>";
}

void TestTableRows::rowsBuilder()
{
    QFETCH(Change, change);
    QFETCH(QString, html);
    RowsValues values;
    change(values);
    const std::optional<QString> built = rowsHtml(values);
    QVERIFY(built);
    QCOMPARE(*built, html);
}

void TestTableRows::rowsIntoSourceWindow()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("<TABLE>\r\n</TABLE>");
    quorl->area->setSelStart(9);
    Menus::find(quorl, "mnuinsrowcol")->trigger();
    auto *dialog = qobject_cast<RowsDialog *>(WindowDirectory::loaded("frmrow"));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Insert Rows : Quorl"));
    QVERIFY(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(dialog->cmbcolour->count(), 17);
    dialog->txtrow->setText("1");
    dialog->cmbcolour->setEditText("aqua");
    dialog->OKButton->click();
    TestEnv::flushDeletes();
    QCOMPARE(quorl->area->text(),
             "<TABLE>\r\n" + newRow("<tr bgcolor=\"aqua\">", 1, 2) + "</TABLE>");
    QVERIFY(!WindowDirectory::isLoaded("frmrow"));
}

void TestTableRows::hugeRowsAreRefused()
{
    SourceWindow *quorl = Quorl();
    quorl->area->setText("");
    auto *dialog = WindowDirectory::touch<RowsDialog>("frmrow");
    dialog->txtrow->setText("1000");
    dialog->txtcol->setText("101");
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{
        "A table of more than 100,000 cells is too large to insert. Please enter fewer rows "
        "or columns",
        "Assistant: Quorl", Prompter::Icon::Exclamation, Prompter::Buttons::Ok});
    dialog->OKButton->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(WindowDirectory::loaded("frmrow"), dialog);
    QCOMPARE(quorl->area->text(), QString());
}

void TestTableRows::visualSize_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::newRow("0") << 0 << 1 << 1;
    QTest::newRow("5") << 5 << 1 << 6;
    QTest::newRow("12") << 12 << 2 << 3;
    QTest::newRow("99") << 99 << 10 << 10;
}

void TestTableRows::visualSize()
{
    QFETCH(int, index);
    QFETCH(int, rows);
    QFETCH(int, cols);
    QCOMPARE(visualTableSize(index), QSize(cols, rows));
    const QString html = visualTableHtml(index, "edit");
    QCOMPARE(html.count("<tr>"), rows);
    QCOMPARE(html.count("<td>"), rows * cols);
}

void TestTableRows::visualFiller_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("cell");
    QTest::newRow("source window") << "edit" << "   <td> </td>";
    QTest::newRow("composer") << "comp" << "   <td>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td>";
    QTest::newRow("no target") << "" << "   <td> </td>";
}

void TestTableRows::visualFiller()
{
    QFETCH(QString, target);
    QFETCH(QString, cell);
    QString row = "<tr>\r\n" + (cell + crlf).repeated(3) + "</tr>";
    QCOMPARE(visualTableHtml(12, target), "<TABLE border=1>\r\n" + row + crlf + row
                                              + "\r\n</TABLE>");
}

void TestTableRows::litRectangle()
{
    // Pointing at row 2, column 3 lights rows 0-2 of columns 0-3.
    QList<int> lit;
    for (int i = 0; i < 100; ++i) {
        if (visualCellLit(i, 23))
            lit << i;
    }
    QCOMPARE(lit, QList<int>({0, 1, 2, 3, 10, 11, 12, 13, 20, 21, 22, 23}));
    QVERIFY(!visualCellLit(0, -1));

    auto *dialog = WindowDirectory::touch<VisualTableDialog>("visTbl");
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTest::mouseMove(dialog->num11, dialog->num11->cellRect(23).center());
    QTRY_COMPARE(dialog->num11->pointed(), 23);
    // Off the cells, onto the rest of the window: nothing is lit.
    QTest::mouseMove(dialog->num11, dialog->num11->rect().bottomRight() + QPoint(5, 5));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(dialog->num11, &leave);
    QCOMPARE(dialog->num11->pointed(), -1);
}

void TestTableRows::visualClickInserts()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    quorl->area->setText("");
    Menus::find(quorl, "mnuVisTbl")->trigger();
    auto *dialog = qobject_cast<VisualTableDialog *>(WindowDirectory::loaded("visTbl"));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Visual Table: Quorl"));
    QCOMPARE(dialog->compOrEdit, QString("edit"));
    QTest::mouseClick(dialog->num11, Qt::LeftButton, {}, dialog->num11->cellRect(5).center());
    TestEnv::flushDeletes();
    QCOMPARE(quorl->area->text(), visualTableHtml(5, "edit"));
    QVERIFY(!WindowDirectory::isLoaded("visTbl"));
}

void TestTableRows::screenshot()
{
    const QString path = qEnvironmentVariable("QV_SCREENSHOT");
    if (path.isEmpty())
        QSKIP("set QV_SCREENSHOT to a file name to take the picture");
    auto *dialog = WindowDirectory::touch<VisualTableDialog>("visTbl");
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    // Three rows of four cells.
    QTest::mouseMove(dialog->num11, dialog->num11->cellRect(23).center());
    QTRY_COMPARE(dialog->num11->pointed(), 23);
    QTest::qWait(200);
    QVERIFY(dialog->grab().save(path));
}

QTEST_MAIN(TestTableRows)
#include "tst_tablerows.moc"
