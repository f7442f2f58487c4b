#include "app/windowregistry.h"
#include "dialogs/tabledialog.h"
#include "editor/helpwindow.h"
#include "editor/menubuilder.h"
#include "editor/optfunctions.h"
#include "platform/htmleditview.h"
#include "editor/sourcewindow.h"
#include "platform/settingsstore.h"
#include "platform/sourcearea.h"
#include "support/composerpage.h"
#include "support/scriptedprompter.h"
#include "support/testenv.h"
#include "vevevodi/composerwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTextEdit>

#include <functional>

using Change = std::function<void(TableValues &)>;
Q_DECLARE_METATYPE(Change)

namespace {

const QString crlf = "\r\n";

QString row(int r, int cols, bool labelled = true)
{
    QString text = crlf + crlf + "<tr>" + crlf;
    for (int c = 1; c <= cols; ++c)
        text += "   <td> " + (labelled ? QString("Row %1 Col %2").arg(r).arg(c) : QString())
                + "</td>" + crlf;
    return text + "</tr>";
}

QString rows(int count, int cols, bool labelled = true)
{
    QString text;
    for (int r = 1; r <= count; ++r)
        text += row(r, cols, labelled);
    return text;
}

const QString end = crlf + "</TABLE>";

TableDialog *openFromSource()
{
    Menus::find(Quorl(), "mnuInsTable")->trigger();
    return qobject_cast<TableDialog *>(WindowDirectory::loaded("table"));
}

} // namespace

class TestTableDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void builder_data();
    void builder();
    void builderRefusesHugeTables_data();
    void builderRefusesHugeTables();
    void designState();
    void advancedFrameAndWidthRule();
    void statusHints();
    void numberFieldsRefuseWords_data();
    void numberFieldsRefuseWords();
    void incompleteNumberBuildsNothing_data();
    void incompleteNumberBuildsNothing();
    void helpPage();
    void rememberTicked();
    void rememberUnticked();
    void rememberedDefaults();
    void hugeTableIsRefused();
    void insertIntoSourceWindow();
    void insertIntoComposer();
    void screenshot();

private:
    TestEnv m_env;
};

void TestTableDialog::initTestCase()
{
    registerWindows();
}

void TestTableDialog::init()
{
    m_env.clearSettings();
}

void TestTableDialog::cleanup()
{
    TestEnv::unloadWindows();
}

void TestTableDialog::builder_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("html");

    const QString designStart = "<TABLE border=\"1\" width=\"100%\">";
    QTest::newRow("design values")
        << Change([](TableValues &) {})
        << "<TABLE border=\"1\" width=\"100%\">\r\n\r\n<tr>\r\n   <td> Row 1 Col 1</td>\r\n"
           "   <td> Row 1 Col 2</td>\r\n</tr>\r\n\r\n<tr>\r\n   <td> Row 2 Col 1</td>\r\n"
           "   <td> Row 2 Col 2</td>\r\n</tr>\r\n</TABLE>";
    QTest::newRow("empty padding, spacing and border")
        << Change([](TableValues &v) { v.border = v.cellPadding = v.cellSpacing = ""; })
        << "<TABLE border=\"0\" width=\"100%\">" + rows(2, 2) + end;
    QTest::newRow("padding and spacing")
        << Change([](TableValues &v) { v.cellPadding = "4"; v.cellSpacing = "2"; })
        << "<TABLE border=\"1\" cellpadding=\"4\" cellspacing=\"2\" width=\"100%\">"
               + rows(2, 2) + end;
    QTest::newRow("every attribute in order")
        << Change([](TableValues &v) {
               v.cellPadding = "1"; v.cellSpacing = "2"; v.border = "3"; v.colour = "#00FF00";
               v.width = "640"; v.pixels = true; v.tableLayout = 1; v.rows = "1";
               v.cols = "1";
           })
        << "<TABLE border=\"3\" cellpadding=\"1\" cellspacing=\"2\" bgcolor=\"#00FF00\" "
           "width=\"640\" style=\" table-layout: fixed;\">" + rows(1, 1) + end;
    QTest::newRow("no width") << Change([](TableValues &v) { v.specifyWidth = false; })
                              << "<TABLE border=\"1\">" + rows(2, 2) + end;
    QTest::newRow("empty width") << Change([](TableValues &v) { v.width = ""; })
                                 << "<TABLE border=\"1\" width=\"0%\">" + rows(2, 2) + end;
    QTest::newRow("Left") << Change([](TableValues &v) { v.align = "Left"; })
                          << "<div align=\"left\">\r\n" + designStart + rows(2, 2) + end
                                 + "\r\n</div>";
    QTest::newRow("Centre") << Change([](TableValues &v) { v.align = "Centre"; })
                            << "<div align=\"center\">\r\n" + designStart + rows(2, 2) + end
                                   + "\r\n</div>";
    QTest::newRow("Right") << Change([](TableValues &v) { v.align = "Right"; })
                           << "<div align=\"right\">\r\n" + designStart + rows(2, 2) + end
                                  + "\r\n</div>";
    QTest::newRow("centre typed by hand")
        << Change([](TableValues &v) { v.align = "centre"; }) << designStart + rows(2, 2) + end;
    QTest::newRow("empty alignment")
        << Change([](TableValues &v) { v.align = ""; }) << designStart + rows(2, 2) + end;
    QTest::newRow("caption before the first row")
        << Change([](TableValues &v) { v.caption = "Prices"; })
        << designStart + "<caption>Prices</caption>" + rows(2, 2) + end;
    QTest::newRow("empty cells")
        << Change([](TableValues &v) { v.emptyTable = true; })
        << designStart + rows(2, 2, false) + end;
    QTest::newRow("first entries write no style")
        << Change([](TableValues &v) {
               v.borderCollapse = v.captionSide = v.emptyCells = v.tableLayout = 0;
           })
        << designStart + rows(2, 2) + end;
    QTest::newRow("every style")
        << Change([](TableValues &v) {
               v.borderCollapse = 1; v.captionSide = 3; v.emptyCells = 1; v.tableLayout = 1;
           })
        << "<TABLE border=\"1\" width=\"100%\" style=\" border-collapse: separate; caption-side:"
           " right; empty-cells: hide; table-layout: fixed;\">" + rows(2, 2) + end;
    QTest::newRow("caption side only")
        << Change([](TableValues &v) { v.captionSide = 1; })
        << "<TABLE border=\"1\" width=\"100%\" style=\" caption-side: bottom;\">" + rows(2, 2)
               + end;
    QTest::newRow("border spacing joins the style")
        << Change([](TableValues &v) { v.emptyCells = 1; v.spacing1 = "2px"; v.spacing2 = "4px"; })
        << "<TABLE border=\"1\" width=\"100%\" style=\" empty-cells: hide; border-spacing:2px "
           "4px;\">" + rows(2, 2) + end;
    QTest::newRow("fractional rows") << Change([](TableValues &v) { v.rows = "2.5"; })
                                     << designStart + rows(3, 2) + end;
    QTest::newRow("no rows") << Change([](TableValues &v) { v.rows = "0"; })
                             << designStart + end;
    QTest::newRow("negative rows") << Change([](TableValues &v) { v.rows = "-3"; })
                                   << designStart + end;
    QTest::newRow("empty rows field") << Change([](TableValues &v) { v.rows = ""; })
                                      << designStart + end;
    QTest::newRow("rows without columns")
        << Change([](TableValues &v) { v.rows = "1"; v.cols = "0"; })
        << designStart + crlf + crlf + "<tr>" + crlf + "</tr>" + end;
}

void TestTableDialog::builder()
{
    QFETCH(Change, change);
    QFETCH(QString, html);
    TableValues values;
    change(values);
    const std::optional<QString> built = tableHtml(values);
    QVERIFY(built);
    QCOMPARE(*built, html);
}

void TestTableDialog::builderRefusesHugeTables_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("cols");
    QTest::addColumn<bool>("built");
    QTest::newRow("at the limit") << "1000" << "100" << true;
    QTest::newRow("one row over") << "1001" << "100" << false;
    QTest::newRow("beyond 16 bits, within the limit") << "40000" << "2" << true;
    QTest::newRow("empty rows count") << "100001" << "0" << false;
    QTest::newRow("enormous") << "1e300" << "1e300" << false;
    QTest::newRow("enormous columns, no rows") << "0" << "1e300" << true;
}

void TestTableDialog::builderRefusesHugeTables()
{
    QFETCH(QString, rows);
    QFETCH(QString, cols);
    QFETCH(bool, built);
    TableValues values;
    values.rows = rows;
    values.cols = cols;
    values.emptyTable = true;
    QCOMPARE(tableHtml(values).has_value(), built);
}

void TestTableDialog::designState()
{
    auto *dialog = WindowDirectory::touch<TableDialog>("table");
    QVERIFY(dialog);
    QCOMPARE(dialog->objectName(), QString("table"));
    QCOMPARE(dialog->windowTitle(), QString("Insert Table : Quorl"));
    QCOMPARE(dialog->compOrEdit, QString());
    QVERIFY(!dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(dialog->OKButton->text(), QString("Create Table"));
    QCOMPARE(dialog->btnShowColours->text(), QString("..."));
    QCOMPARE(dialog->btnShowColours->toolTip(), QString("Show Colour Palette"));
    QVERIFY(!dialog->findChild<QPushButton *>("CancelButton"));
    QCOMPARE(dialog->cmbAlign->currentText(), QString("Default"));
    QVERIFY(dialog->cmbAlign->isEditable());
    QCOMPARE(dialog->cmbCaptionSide->currentIndex(), -1);
    QCOMPARE(dialog->cmbCaptionSide->count(), 4);
    QVERIFY(dialog->radpercentage->isChecked());
    QVERIFY(dialog->chkwidth->isChecked());
    QVERIFY(!dialog->chkRemember->isChecked());
    QCOMPARE(*tableHtml(dialog->values()), *tableHtml(TableValues()));
    for (const char *name : {"txtrow", "txtcol", "txtBorder", "txtcelpad", "txtcelspac",
                             "txtWidth", "txtCaption", "txtSpac1", "txtSpac2", "Status",
                             "chkEmptyTable", "chkAdvanced", "cmbBorderCollapse",
                             "cmbEmptyCells", "cmbTableLayout", "btnHelp", "radpixels"})
        QVERIFY2(dialog->findChild<QWidget *>(name), name);
}

void TestTableDialog::advancedFrameAndWidthRule()
{
    auto *dialog = WindowDirectory::touch<TableDialog>("table");
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const int compact = dialog->height();
    QVERIFY(dialog->fraAdvanced->isHidden());

    dialog->chkAdvanced->click();
    QTRY_VERIFY(dialog->height() > compact);
    QVERIFY(dialog->fraAdvanced->isVisible());
    QCOMPARE(dialog->fraAdvanced->title(), QString("Advanced Settings"));
    dialog->chkAdvanced->click();
    QTRY_COMPARE(dialog->height(), compact);

    dialog->chkwidth->click();
    QVERIFY(!dialog->txtWidth->isEnabled());
    QVERIFY(!dialog->radpixels->isEnabled());
    QVERIFY(!dialog->radpercentage->isEnabled());
    dialog->chkwidth->click();
    QVERIFY(dialog->txtWidth->isEnabled() && dialog->radpixels->isEnabled()
            && dialog->radpercentage->isEnabled());
}

void TestTableDialog::statusHints()
{
    auto *dialog = WindowDirectory::touch<TableDialog>("table");
    const auto hintOf = [dialog](const QString &caption) {
        for (QLabel *label : dialog->fraAdvanced->findChildren<QLabel *>()) {
            if (label->text() == caption) {
                QEvent enter(QEvent::Enter);
                QCoreApplication::sendEvent(label, &enter);
                return dialog->Status->currentMessage();
            }
        }
        return QString("no label " + caption);
    };
    QCOMPARE(hintOf("Border Collapse"), QString("Sets whether the table borders are collapsed "
                                                "into a single border or detached as in "
                                                "standard HTML"));
    QCOMPARE(hintOf("Border Spacing"), QString("Sets the distance that separates cell borders "
                                               "(only for the \"separated borders\" model)"));
    QCOMPARE(hintOf("Caption Side"), QString("Sets the position of the table caption"));
    QCOMPARE(hintOf("Empty Cells"), QString("Sets whether or not to show empty cells in a "
                                            "table (only for the \"separated borders\" model) "));
    QCOMPARE(hintOf("Table Layout"), QString("Sets the algorithm used to display the table "
                                             "cells, rows, and columns"));
    // The hint stays when the pointer leaves.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(dialog->fraAdvanced, &leave);
    QCOMPARE(dialog->Status->currentMessage(),
             QString("Sets the algorithm used to display the table cells, rows, and columns"));
}

void TestTableDialog::numberFieldsRefuseWords_data()
{
    QTest::addColumn<QString>("field");
    for (const char *name : {"txtrow", "txtcol", "txtBorder", "txtcelpad", "txtcelspac",
                             "txtWidth"})
        QTest::newRow(name) << name;
}

void TestTableDialog::numberFieldsRefuseWords()
{
    QFETCH(QString, field);
    auto *dialog = WindowDirectory::touch<TableDialog>("table");
    auto *edit = dialog->findChild<QLineEdit *>(field);
    edit->clear();
    QTest::keyClicks(edit, "-1.5");
    QCOMPARE(edit->text(), QString("-1.5"));

    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{"Please enter only valid numerical data",
                                             "Assistant: Quorl", Prompter::Icon::Exclamation,
                                             Prompter::Buttons::Ok});
    QTest::keyClicks(edit, "x");
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(WindowDirectory::loaded("table"), dialog);
}

void TestTableDialog::incompleteNumberBuildsNothing_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("border \"-\"") << "txtBorder" << "-";
    QTest::newRow("width \".\"") << "txtWidth" << ".";
    QTest::newRow("rows \"1e\"") << "txtrow" << "1e";
    QTest::newRow("spacing \"+\"") << "txtcelspac" << "+";
}

void TestTableDialog::incompleteNumberBuildsNothing()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    SourceWindow *quorl = Quorl();
    TableDialog *dialog = openFromSource();
    dialog->chkwidth->setChecked(true);
    auto *edit = dialog->findChild<QLineEdit *>(field);
    edit->setText(text);  // passes while typing: a number begun
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{"Please enter only valid numerical data",
                                             "Assistant: Quorl", Prompter::Icon::Exclamation,
                                             Prompter::Buttons::Ok});
    dialog->OKButton->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(quorl->area->text(), QString());
    QCOMPARE(WindowDirectory::loaded("table"), dialog);

    // Blanks around a number leave it a number.
    edit->setText(" 3 ");
    dialog->OKButton->click();
    QV_VERIFY_PROMPTS(prompts);
    QVERIFY(quorl->area->text().contains("<TABLE"));
}

void TestTableDialog::helpPage()
{
    auto *dialog = WindowDirectory::touch<TableDialog>("table");
    QDir(m_env.programFolder()).mkpath("misc");
    QFile page(QDir(m_env.programFolder()).filePath("misc/tb01.qhp"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("How to insert a table");
    page.close();
    dialog->btnHelp->click();
    QVERIFY(WindowDirectory::isLoaded("frmHelp"));
    QVERIFY(frmHelp()->isVisible());
    QVERIFY(frmHelp()->txtHelp->toPlainText().contains("How to insert a table"));
    QCOMPARE(WindowDirectory::loaded("table"), dialog);
}

void TestTableDialog::rememberTicked()
{
    Quorl();
    TableDialog *dialog = openFromSource();
    QVERIFY(dialog);
    dialog->chkRemember->setChecked(true);
    dialog->txtrow->setText("3");
    dialog->txtcol->setText("4");
    dialog->txtcelpad->setText("");
    dialog->txtcelspac->setText("2");
    dialog->txtBorder->setText("");
    dialog->cmbAlign->setEditText("Centre");
    dialog->txtWidth->setText("300");
    dialog->radpixels->setChecked(true);
    dialog->txtColour->setText("#FF0000");
    dialog->chkEmptyTable->setChecked(true);
    dialog->OKButton->click();
    TestEnv::flushDeletes();
    QVERIFY(!WindowDirectory::isLoaded("table"));

    const QList<QPair<QString, QString>> stored = {
        {"Remember", "1"}, {"Rows", "3"}, {"Cols", "4"}, {"CelPad", "0"}, {"CelSpac", "2"},
        {"Border", "0"}, {"Align", "Centre"}, {"Width", "300"}, {"Colour", "#FF0000"},
        {"EmptyTable", "1"}, {"SpecWidth", "1"}, {"PixOrPer", "False"}};
    for (const auto &[key, value] : stored)
        QCOMPARE(SettingsStore::value("Table", key, "absent"), value);

    dialog = openFromSource();
    QVERIFY(dialog->chkRemember->isChecked());
    QCOMPARE(dialog->txtrow->text(), QString("3"));
    QCOMPARE(dialog->txtcol->text(), QString("4"));
    QCOMPARE(dialog->txtcelpad->text(), QString("0"));
    QCOMPARE(dialog->txtBorder->text(), QString("0"));
    QCOMPARE(dialog->cmbAlign->currentText(), QString("Centre"));
    QCOMPARE(dialog->txtWidth->text(), QString("300"));
    QVERIFY(dialog->radpixels->isChecked());
    QCOMPARE(dialog->txtColour->text(), QString("#FF0000"));
    QVERIFY(dialog->chkEmptyTable->isChecked());
}

void TestTableDialog::rememberUnticked()
{
    SettingsStore::setValue("Table", "Remember", "1");
    SettingsStore::setValue("Table", "Rows", "7");
    TableDialog *dialog = openFromSource();
    QCOMPARE(dialog->txtrow->text(), QString("7"));
    dialog->chkRemember->setChecked(false);
    dialog->txtrow->setText("5");
    dialog->OKButton->click();
    TestEnv::flushDeletes();
    QCOMPARE(SettingsStore::value("Table", "Remember", "absent"), QString("0"));
    QCOMPARE(SettingsStore::value("Table", "Rows", "absent"), QString("7"));

    dialog = openFromSource();
    QVERIFY(!dialog->chkRemember->isChecked());
    QCOMPARE(dialog->txtrow->text(), QString("2"));
    QCOMPARE(*tableHtml(dialog->values()), *tableHtml(TableValues()));
}

void TestTableDialog::rememberedDefaults()
{
    // Only the tick was stored: the other keys take their defaults, and a
    // stored unticked width disables its fields as a click would.
    SettingsStore::setValue("Table", "Remember", "True");
    SettingsStore::setValue("Table", "SpecWidth", "0");
    SettingsStore::setValue("Table", "PixOrPer", "false");
    auto *dialog = WindowDirectory::touch<TableDialog>("table");
    QVERIFY(dialog->chkRemember->isChecked());
    QCOMPARE(dialog->cmbAlign->currentText(), QString("left"));
    QCOMPARE(dialog->txtWidth->text(), QString("100"));
    QVERIFY(!dialog->chkwidth->isChecked());
    QVERIFY(!dialog->txtWidth->isEnabled());
    QVERIFY(dialog->radpixels->isChecked());
}

void TestTableDialog::hugeTableIsRefused()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    TableDialog *dialog = openFromSource();
    dialog->chkRemember->setChecked(true);
    dialog->txtrow->setText("40000");
    dialog->txtcol->setText("40000");
    dialog->txtBorder->setText("");
    ScriptedPrompter prompts;
    prompts.expect(ScriptedPrompter::Message{
        "A table of more than 100,000 cells is too large to insert. Please enter fewer rows "
        "or columns",
        "Assistant: Quorl", Prompter::Icon::Exclamation, Prompter::Buttons::Ok});
    dialog->OKButton->click();
    QV_VERIFY_PROMPTS(prompts);
    QCOMPARE(WindowDirectory::loaded("table"), dialog);
    QCOMPARE(dialog->txtBorder->text(), QString());
    QCOMPARE(quorl->area->text(), QString());
    QCOMPARE(SettingsStore::value("Table", "Remember", "absent"), QString("absent"));
}

void TestTableDialog::insertIntoSourceWindow()
{
    SourceWindow *quorl = Quorl();
    quorl->show();
    QVERIFY(QTest::qWaitForWindowExposed(quorl));
    quorl->area->setText("<BODY>\r\n\r\n</BODY>");
    quorl->area->setSelStart(8);
    quorl->star.clear();

    TableDialog *dialog = openFromSource();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->compOrEdit, QString("edit"));
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->txtrow->selectAll();
    QTest::keyClicks(dialog->txtrow, "1");
    dialog->txtcol->selectAll();
    QTest::keyClicks(dialog->txtcol, "3");
    dialog->chkEmptyTable->click();
    dialog->OKButton->click();
    TestEnv::flushDeletes();

    const QString table = "<TABLE border=\"1\" width=\"100%\">" + rows(1, 3, false) + end;
    QCOMPARE(quorl->area->text(), "<BODY>\r\n" + table + "\r\n</BODY>");
    QCOMPARE(quorl->area->selStart(), 8 + table.size());
    QCOMPARE(quorl->star, QString("*"));
    QVERIFY(!WindowDirectory::isLoaded("table"));
}

void TestTableDialog::insertIntoComposer()
{
    // The caret between "one " and "two".
    ComposerWindow *composer =
        ComposerPage::showAt("<html><head></head><body><p id=\"p\">one two</p></body></html>", 4);
    QVERIFY(composer);
    SourceWindow *quorl = Quorl();
    HtmlEditView *page = composer->txtComp;

    Menus::find(composer, "mnuInsTable")->trigger();
    auto *dialog = qobject_cast<TableDialog *>(WindowDirectory::loaded("table"));
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->compOrEdit, QString("comp"));
    dialog->txtrow->setText("1");
    dialog->txtCaption->setText("Sizes");
    dialog->OKButton->click();
    QVERIFY(!WindowDirectory::isLoaded("table"));

    const auto cells = [page] {
        return page->evaluate("(() => { const t = document.querySelector('table');"
                              " if (!t) return '';"
                              " return [t.previousSibling.textContent, t.caption.textContent,"
                              "  [...t.querySelectorAll('td')].map(c => c.textContent).join('|'),"
                              "  t.nextSibling ? t.nextSibling.textContent : ''].join('/'); })()")
            .value_or(QVariant()).toString();
    };
    QV_TRY_COMPARE(cells(), QString("one /Sizes/ Row 1 Col 1| Row 1 Col 2/two"));
    QCOMPARE(quorl->star, QString("*"));
}

void TestTableDialog::screenshot()
{
    // QV_SCREENSHOT names a file to keep the picture in.
    QString path = qEnvironmentVariable("QV_SCREENSHOT");
    if (path.isEmpty())
        path = m_env.scratch("table.png");
    TableDialog *dialog = openFromSource();
    dialog->chkAdvanced->click();
    dialog->txtCaption->setText("Prices");
    dialog->cmbBorderCollapse->setCurrentIndex(0);
    QEvent enter(QEvent::Enter);
    for (QLabel *label : dialog->fraAdvanced->findChildren<QLabel *>()) {
        if (label->text() == "Caption Side")
            QCoreApplication::sendEvent(label, &enter);
    }
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QTest::qWait(300);
    const QImage picture = dialog->grab().toImage();
    QVERIFY(picture.save(path));
    QVERIFY(picture.width() > 200 && picture.height() > 200);
    if (qEnvironmentVariableIsSet("QV_SCREENSHOT_HOLD"))
        QTest::qWait(qEnvironmentVariableIntValue("QV_SCREENSHOT_HOLD"));
}

QTEST_MAIN(TestTableDialog)
#include "tst_tabledialog.moc"
