#include "dialogs/tabledialog.h"

#include "dialogs/numberfield.h"
#include "platform/htmlmarkup.h"
#include "platform/prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <cmath>

namespace {

const QString crlf = QStringLiteral("\r\n");

using HtmlMarkup::attribute;

QString zeroIfEmpty(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("0") : text;
}

// How many times a "while count > counter" loop from 0 runs.
double loopCount(double count)
{
    return count > 0 ? std::ceil(count) : 0;
}

QString styleAttribute(const TableValues &v)
{
    QString declarations;
    const auto declare = [&](const char *property, const QStringList &items, int chosen) {
        if (chosen > 0 && chosen < items.size())
            declarations += u' ' + QLatin1String(property) + QStringLiteral(": ")
                            + items.at(chosen) + u';';
    };
    declare("border-collapse", TableValues::borderCollapseItems, v.borderCollapse);
    declare("caption-side", TableValues::captionSideItems, v.captionSide);
    declare("empty-cells", TableValues::emptyCellsItems, v.emptyCells);
    declare("table-layout", TableValues::tableLayoutItems, v.tableLayout);
    if (!v.spacing1.isEmpty() || !v.spacing2.isEmpty())
        declarations += QStringLiteral(" border-spacing:") + v.spacing1 + u' ' + v.spacing2 + u';';
    return declarations.isEmpty() ? QString() : attribute("style", declarations);
}

QString openingDiv(const QString &align)
{
    if (align == u"Left")
        return QStringLiteral("<div align=\"left\">");
    if (align == u"Centre")
        return QStringLiteral("<div align=\"center\">");
    if (align == u"Right")
        return QStringLiteral("<div align=\"right\">");
    return QString();
}

} // namespace

bool tooManyCells(double rows, double cols)
{
    return loopCount(rows) * std::max(loopCount(cols), 1.0) > maxTableCells;
}

void refuseLargeTable()
{
    Prompter::tell(QStringLiteral("A table of more than 100,000 cells is too large to "
                                  "insert. Please enter fewer rows or columns"),
                   QStringLiteral("Assistant: Quorl"), Prompter::Icon::Exclamation);
}

std::optional<QString> tableHtml(const TableValues &v)
{
    const double rows = numberValue(v.rows);
    const double cols = numberValue(v.cols);
    if (tooManyCells(rows, cols))
        return std::nullopt;

    const QString div = openingDiv(v.align);
    QString html = div.isEmpty() ? QString() : div + crlf;
    html += QStringLiteral("<TABLE") + attribute("border", zeroIfEmpty(v.border));
    if (zeroIfEmpty(v.cellPadding) != u"0")
        html += attribute("cellpadding", v.cellPadding);
    if (zeroIfEmpty(v.cellSpacing) != u"0")
        html += attribute("cellspacing", v.cellSpacing);
    if (!v.colour.isEmpty())
        html += attribute("bgcolor", v.colour);
    if (v.specifyWidth) {
        const QString unit = v.pixels ? QString() : QStringLiteral("%");
        html += attribute("width", zeroIfEmpty(v.width) + unit);
    }
    html += styleAttribute(v) + u'>';
    if (!v.caption.isEmpty())
        html += QStringLiteral("<caption>") + v.caption + QStringLiteral("</caption>");

    for (int r = 0; rows > r; ++r) {
        html += crlf + crlf + QStringLiteral("<tr>") + crlf;
        for (int c = 0; cols > c; ++c) {
            html += QStringLiteral("   <td> ");
            if (!v.emptyTable)
                html += QStringLiteral("Row %1 Col %2").arg(r + 1).arg(c + 1);
            html += QStringLiteral("</td>") + crlf;
        }
        html += QStringLiteral("</tr>");
    }
    html += crlf + QStringLiteral("</TABLE>");
    if (!div.isEmpty())
        html += crlf + QStringLiteral("</div>");
    return html;
}

TableDialog::TableDialog()
    : DialogFrame(QStringLiteral("table"), QStringLiteral("Insert Table : Quorl"))
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(buildMainFrame());
    layout->addWidget(buildAdvancedFrame());
    Status = new QStatusBar(this);
    Status->setObjectName(QStringLiteral("Status"));
    Status->setSizeGripEnabled(false);
    layout->addWidget(Status);

    connect(chkwidth, &QCheckBox::toggled, this, [this](bool ticked) {
        txtWidth->setEnabled(ticked);
        radpixels->setEnabled(ticked);
        radpercentage->setEnabled(ticked);
    });
    connect(chkAdvanced, &QCheckBox::toggled, fraAdvanced, &QWidget::setVisible);
    onConfirm(OKButton, [this] { onOK(); });
    fraAdvanced->hide();

    m_memory.emplace(QStringLiteral("Table"), chkRemember);
    m_memory->text("Rows", "2", txtrow);
    m_memory->text("Cols", "2", txtcol);
    m_memory->text("CelPad", "0", txtcelpad);
    m_memory->text("CelSpac", "0", txtcelspac);
    m_memory->text("Border", "1", txtBorder);
    m_memory->comboText("Align", "left", cmbAlign);
    m_memory->text("Width", "100", txtWidth);
    m_memory->text("Colour", "", txtColour);
    m_memory->tick("EmptyTable", "0", chkEmptyTable);
    m_memory->tick("SpecWidth", "1", chkwidth);
    m_memory->option("PixOrPer", "true", radpercentage, radpixels);
}

QWidget *TableDialog::buildMainFrame()
{
    auto *frame = new QWidget(this);
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto label = [frame](const char *text) {
        return new QLabel(QLatin1String(text), frame);
    };

    txtrow = numberField("txtrow", "2");
    txtcol = numberField("txtcol", "2");
    txtBorder = numberField("txtBorder", "1");
    txtcelpad = numberField("txtcelpad", "0");
    txtcelspac = numberField("txtcelspac", "0");
    grid->addWidget(label("Rows"), 0, 0);
    grid->addWidget(txtrow, 0, 1);
    grid->addWidget(label("Columns"), 0, 2);
    grid->addWidget(txtcol, 0, 3);
    grid->addWidget(label("Cell Padding"), 1, 0);
    grid->addWidget(txtcelpad, 1, 1);
    grid->addWidget(label("Cell Spacing"), 1, 2);
    grid->addWidget(txtcelspac, 1, 3);
    grid->addWidget(label("Border"), 2, 0);
    grid->addWidget(txtBorder, 2, 1);

    chkwidth = checkBox("chkwidth", "Specify Width", true);
    txtWidth = numberField("txtWidth", "100");
    radpercentage = optionButton("radpercentage", "Percentage", true);
    radpixels = optionButton("radpixels", "Pixels");
    auto *units = new QHBoxLayout;
    units->addWidget(radpercentage);
    units->addWidget(radpixels);
    grid->addWidget(chkwidth, 3, 0);
    grid->addWidget(txtWidth, 3, 1);
    grid->addLayout(units, 3, 2, 1, 2);

    cmbAlign = comboBox("cmbAlign", {"Default", "Left", "Centre", "Right"}, true, "Default");
    grid->addWidget(label("Alignment"), 2, 2);
    grid->addWidget(cmbAlign, 2, 3);

    txtColour = textField("txtColour");
    btnShowColours = colourBoxButton("btnShowColours", txtColour);
    btnShowColours->setToolTip(QStringLiteral("Show Colour Palette"));
    btnShowColours->setFixedWidth(32);
    auto *colour = new QHBoxLayout;
    colour->addWidget(txtColour);
    colour->addWidget(btnShowColours);
    grid->addWidget(label("Background Colour"), 4, 0);
    grid->addLayout(colour, 4, 1, 1, 3);

    chkEmptyTable = checkBox("chkEmptyTable", "Create Empty Table");
    chkRemember = checkBox("chkRemember", "Remember Settings");
    chkAdvanced = checkBox("chkAdvanced", "Advanced");
    grid->addWidget(chkEmptyTable, 5, 0, 1, 2);
    grid->addWidget(chkRemember, 5, 2, 1, 2);
    grid->addWidget(chkAdvanced, 6, 0, 1, 2);

    OKButton = button("OKButton", "Create Table");
    btnHelp = helpButton("tb01.qhp");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(btnHelp);
    grid->addLayout(buttons, 7, 0, 1, 4);
    return frame;
}

QWidget *TableDialog::buildAdvancedFrame()
{
    fraAdvanced = new QGroupBox(QStringLiteral("Advanced Settings"), this);
    fraAdvanced->setObjectName(QStringLiteral("fraAdvanced"));
    auto *grid = new QGridLayout(fraAdvanced);
    // Each label explains its setting in the status bar.
    const auto label = [this](const char *text, const char *hint) {
        auto *l = new QLabel(QLatin1String(text), fraAdvanced);
        l->setProperty("hint", QLatin1String(hint));
        l->installEventFilter(this);
        return l;
    };

    txtCaption = textField("txtCaption");
    grid->addWidget(new QLabel(QStringLiteral("Caption"), fraAdvanced), 0, 0);
    grid->addWidget(txtCaption, 0, 1, 1, 2);

    cmbBorderCollapse = comboBox("cmbBorderCollapse", TableValues::borderCollapseItems, false);
    grid->addWidget(label("Border Collapse", "Sets whether the table borders are collapsed "
                          "into a single border or detached as in standard HTML"), 1, 0);
    grid->addWidget(cmbBorderCollapse, 1, 1, 1, 2);

    txtSpac1 = textField("txtSpac1");
    txtSpac2 = textField("txtSpac2");
    grid->addWidget(label("Border Spacing", "Sets the distance that separates cell borders "
                          "(only for the \"separated borders\" model)"), 2, 0);
    grid->addWidget(txtSpac1, 2, 1);
    grid->addWidget(txtSpac2, 2, 2);

    cmbCaptionSide = comboBox("cmbCaptionSide", TableValues::captionSideItems, false);
    grid->addWidget(label("Caption Side", "Sets the position of the table caption"), 3, 0);
    grid->addWidget(cmbCaptionSide, 3, 1, 1, 2);

    cmbEmptyCells = comboBox("cmbEmptyCells", TableValues::emptyCellsItems, false);
    grid->addWidget(label("Empty Cells", "Sets whether or not to show empty cells in a table "
                          "(only for the \"separated borders\" model) "), 4, 0);
    grid->addWidget(cmbEmptyCells, 4, 1, 1, 2);

    cmbTableLayout = comboBox("cmbTableLayout", TableValues::tableLayoutItems, false);
    grid->addWidget(label("Table Layout", "Sets the algorithm used to display the table "
                          "cells, rows, and columns"), 5, 0);
    grid->addWidget(cmbTableLayout, 5, 1, 1, 2);

    return fraAdvanced;
}

void TableDialog::load()
{
    DialogFrame::load();
    m_memory->restore();
}

bool TableDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseButtonPress)
        Status->showMessage(watched->property("hint").toString());
    return DialogFrame::eventFilter(watched, event);
}

TableValues TableDialog::values() const
{
    TableValues v;
    v.rows = txtrow->text();
    v.cols = txtcol->text();
    v.border = txtBorder->text();
    v.cellPadding = txtcelpad->text();
    v.cellSpacing = txtcelspac->text();
    v.specifyWidth = chkwidth->isChecked();
    v.width = txtWidth->text();
    v.pixels = radpixels->isChecked();
    v.align = cmbAlign->currentText();
    v.colour = txtColour->text();
    v.emptyTable = chkEmptyTable->isChecked();
    v.caption = txtCaption->text();
    v.spacing1 = txtSpac1->text();
    v.spacing2 = txtSpac2->text();
    v.borderCollapse = cmbBorderCollapse->currentIndex();
    v.captionSide = cmbCaptionSide->currentIndex();
    v.emptyCells = cmbEmptyCells->currentIndex();
    v.tableLayout = cmbTableLayout->currentIndex();
    return v;
}

void TableDialog::onOK()
{
    const std::optional<QString> html = tableHtml(values());
    if (!html) {
        refuseLargeTable();
        return;
    }
    for (QLineEdit *field : {txtcelpad, txtcelspac, txtBorder, txtWidth}) {
        if (field->text().isEmpty())
            field->setText(QStringLiteral("0"));
    }
    InsertHtml(*html);
    m_memory->store();
    unload();
}
