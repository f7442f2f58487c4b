#include "dialogs/rowsdialog.h"

#include "dialogs/digitfield.h"
#include "dialogs/numberfield.h"
#include "dialogs/tabledialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

std::optional<QString> rowsHtml(const RowsValues &v)
{
    const double rows = numberValue(v.rows);
    const double cols = numberValue(v.cols);
    if (tooManyCells(rows, cols))
        return std::nullopt;

    // "none" is no colour at all: browsers read it as a near-black one.
    const QString colour = v.colour.trimmed();
    const bool noColour = colour.isEmpty() || colour.compare(u"none", Qt::CaseInsensitive) == 0;
    const QString start = noColour ? QStringLiteral("<tr>")
                                   : QStringLiteral("<tr bgcolor=\"") + v.colour
                                         + QStringLiteral("\">");
    const QString crlf = QStringLiteral("\r\n");
    QString html;
    for (int r = 0; rows > r; ++r) {
        if (!html.isEmpty())
            html += crlf + crlf;
        html += start + crlf;
        for (int c = 0; cols > c; ++c) {
            html += QStringLiteral("   <td> ");
            if (!v.emptyTable)
                html += QStringLiteral("New Row %1 Col %2").arg(r + 1).arg(c + 1);
            html += QStringLiteral("</td>") + crlf;
        }
        html += QStringLiteral("</tr>");
    }
    return html;
}

RowsDialog::RowsDialog()
    : DialogFrame(QStringLiteral("frmrow"), QStringLiteral("Insert Rows : Quorl"))
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto *counts = new QGroupBox(QStringLiteral("Rows and Columns"), this);
    auto *grid = new QGridLayout(counts);
    txtrow = textField(QStringLiteral("txtrow"), QStringLiteral("2"));
    txtcol = textField(QStringLiteral("txtcol"), QStringLiteral("2"));
    // An emptied count becomes 2 again.
    bindDigitField(txtrow, QStringLiteral("2"));
    bindDigitField(txtcol, QStringLiteral("2"));
    grid->addWidget(new QLabel(QStringLiteral("Rows"), counts), 0, 0);
    grid->addWidget(txtrow, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Columns"), counts), 1, 0);
    grid->addWidget(txtcol, 1, 1);
    layout->addWidget(counts);

    cmbcolour = comboBox(QStringLiteral("cmbcolour"),
                         {"none", "aqua", "black", "blue", "fuchsia", "gray", "green", "lime",
                          "maroon", "navy", "olive", "purple", "red", "silver", "teal", "white",
                          "yellow"},
                         true, QStringLiteral("none"));
    btnMoreColours = colourTextButton(QStringLiteral("btnMoreColours"), cmbcolour);
    btnMoreColours->setFixedWidth(32);
    auto *colour = new QHBoxLayout;
    colour->addWidget(new QLabel(QStringLiteral("Row Colour"), this));
    colour->addWidget(cmbcolour, 1);
    colour->addWidget(btnMoreColours);
    layout->addLayout(colour);

    chkEmptyTable = checkBox(QStringLiteral("chkEmptyTable"), QStringLiteral("Create Empty Table"));
    layout->addWidget(chkEmptyTable);

    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("Insert Rows"));
    CancelButton = cancelButton();
    btnHelp = helpButton(QStringLiteral("tb03.qhp"));
    addButtonRow(layout, {OKButton, CancelButton, btnHelp});

    connect(OKButton, &QPushButton::clicked, this, &RowsDialog::onOK);
}

RowsValues RowsDialog::values() const
{
    RowsValues v;
    v.rows = txtrow->text();
    v.cols = txtcol->text();
    v.colour = cmbcolour->currentText();
    v.emptyTable = chkEmptyTable->isChecked();
    return v;
}

void RowsDialog::onOK()
{
    const std::optional<QString> html = rowsHtml(values());
    if (!html) {
        refuseLargeTable();
        return;
    }
    if (InsertHtml(*html))
        unload();
}
