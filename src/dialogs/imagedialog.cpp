#include "dialogs/imagedialog.h"

#include "dialogs/numberfield.h"
#include "platform/htmlmarkup.h"
#include "platform/prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using HtmlMarkup::attribute;

// A spacing that is empty or 0 is no spacing.
QString spacing(const char *name, const QString &value)
{
    return value.isEmpty() || numberValue(value) == 0 ? QString() : attribute(name, value);
}

} // namespace

std::optional<QString> imageHtml(const ImageValues &v, bool console)
{
    QString height;
    QString width;
    if (v.dimensions) {
        if (v.height.isEmpty() || v.width.isEmpty())
            return std::nullopt;
        height = attribute("height", v.height + (v.heightPercent ? "%" : ""));
        width = attribute("width", v.width + (v.widthPercent ? "%" : ""));
    }
    QString html = QStringLiteral("<IMG") + attribute("src", v.source);
    if (!v.align.isEmpty())
        html += attribute("align", v.align);
    if (!v.border.isEmpty())
        html += attribute("Border", v.border);
    html += height + width + spacing("hspace", v.hspace) + spacing("vspace", v.vspace);
    if (!v.alt.isEmpty())
        html += attribute("alt", v.alt);
    return html + (console ? u' ' : u'>');
}

ImageDialog::ImageDialog()
    : DialogFrame(QStringLiteral("frmImage"), QStringLiteral("Image : Quorl"))
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *top = new QGridLayout;
    txtSource = textField(QStringLiteral("txtSource"));
    txtSource->setMinimumWidth(260);
    btnSource = button(QStringLiteral("btnSource"), QStringLiteral("..."));
    btnSource->setFixedWidth(32);
    txtAlt = textField(QStringLiteral("txtAlt"));
    top->addWidget(new QLabel(QStringLiteral("Source"), this), 0, 0);
    top->addWidget(txtSource, 0, 1);
    top->addWidget(btnSource, 0, 2);
    top->addWidget(new QLabel(QStringLiteral("Alternate Text"), this), 1, 0);
    top->addWidget(txtAlt, 1, 1, 1, 2);
    layout->addLayout(top);

    auto *alignment = new QGroupBox(QStringLiteral("Alignment And Border"), this);
    auto *alignRow = new QHBoxLayout(alignment);
    cmbAlign = comboBox(QStringLiteral("cmbAlign"),
                        {"Left", "Right", "Top", "TextTop", "Middle", "AbsMiddle", "Baseline",
                         "Bottom", "AbsBottom", "Center"},
                        true, QStringLiteral("Left"));
    txtBorder = textField(QStringLiteral("txtBorder"), QStringLiteral("0"));
    txtBorder->setFixedWidth(50);
    alignRow->addWidget(new QLabel(QStringLiteral("Align"), alignment));
    alignRow->addWidget(cmbAlign);
    alignRow->addWidget(new QLabel(QStringLiteral("Border"), alignment));
    alignRow->addWidget(txtBorder);
    alignRow->addWidget(spinner(QStringLiteral("updownBorder"), txtBorder));
    layout->addWidget(alignment);

    auto *dimensions = new QGroupBox(QStringLiteral("Dimensions"), this);
    auto *dimGrid = new QGridLayout(dimensions);
    chkDimensions = checkBox(QStringLiteral("chkDimensions"), QStringLiteral("Enter Dimensions"));
    txtWidth = numberField(QStringLiteral("txtWidth"));
    txtHeight = numberField(QStringLiteral("txtHeight"));
    chkWPercentage = checkBox(QStringLiteral("chkWPercentage"), QStringLiteral("Percentage"));
    chkHPercentage = checkBox(QStringLiteral("chkHPercentage"), QStringLiteral("Percentage"));
    dimGrid->addWidget(chkDimensions, 0, 0, 1, 3);
    dimGrid->addWidget(new QLabel(QStringLiteral("Width"), dimensions), 1, 0);
    dimGrid->addWidget(txtWidth, 1, 1);
    dimGrid->addWidget(chkWPercentage, 1, 2);
    dimGrid->addWidget(new QLabel(QStringLiteral("Height"), dimensions), 2, 0);
    dimGrid->addWidget(txtHeight, 2, 1);
    dimGrid->addWidget(chkHPercentage, 2, 2);
    layout->addWidget(dimensions);
    for (QWidget *w : {static_cast<QWidget *>(txtWidth), static_cast<QWidget *>(txtHeight),
                       static_cast<QWidget *>(chkWPercentage),
                       static_cast<QWidget *>(chkHPercentage)}) {
        w->setEnabled(false);
        connect(chkDimensions, &QCheckBox::toggled, w, &QWidget::setEnabled);
    }

    auto *spacingFrame = new QGroupBox(QStringLiteral("Spacing"), this);
    auto *spaceRow = new QHBoxLayout(spacingFrame);
    txtHSpace = numberField(QStringLiteral("txtHSpace"), QStringLiteral("0"));
    txtVSpace = numberField(QStringLiteral("txtVSpace"), QStringLiteral("0"));
    spaceRow->addWidget(new QLabel(QStringLiteral("Horizontal"), spacingFrame));
    spaceRow->addWidget(txtHSpace);
    spaceRow->addWidget(spinner(QStringLiteral("updownHspac"), txtHSpace));
    spaceRow->addWidget(new QLabel(QStringLiteral("Vertical"), spacingFrame));
    spaceRow->addWidget(txtVSpace);
    spaceRow->addWidget(spinner(QStringLiteral("updownVspac"), txtVSpace));
    layout->addWidget(spacingFrame);

    btnInsert = button(QStringLiteral("btnInsert"), QStringLiteral("Insert Image"));
    btnClose = button(QStringLiteral("btnClose"), QStringLiteral("Close"));
    btnHelp = helpButton(QStringLiteral("image.qhp"));
    btnHelp->setText(QStringLiteral("Show Help"));
    addButtonRow(layout, {btnInsert, btnClose, btnHelp});

    connect(btnSource, &QPushButton::clicked, this, &ImageDialog::onSource);
    onConfirm(btnInsert, [this] { onInsert(); });
    connect(btnClose, &QPushButton::clicked, this, [this] {
        comdlg.FileName.clear();
        unload();
    });
}

ImageValues ImageDialog::values() const
{
    ImageValues v;
    v.source = txtSource->text();
    v.alt = txtAlt->text();
    v.align = cmbAlign->currentText();
    v.border = txtBorder->text();
    v.dimensions = chkDimensions->isChecked();
    v.width = txtWidth->text();
    v.height = txtHeight->text();
    v.widthPercent = chkWPercentage->isChecked();
    v.heightPercent = chkHPercentage->isChecked();
    v.hspace = txtHSpace->text();
    v.vspace = txtVSpace->text();
    return v;
}

void ImageDialog::onSource()
{
    comdlg.CancelError = true;
    comdlg.Filter = QStringLiteral("JPEG Files (*.jpg)|*.jpg|GIF Files (*.gif)|*.gif|"
                                   "PNG Files (*.png)|*.png|All Files (*.*)|*.*");
    if (!comdlg.ShowOpen())
        return;
    if (!comdlg.FileName.isEmpty())
        txtSource->setText(comdlg.FileName);
    comdlg.FileName.clear();
}

void ImageDialog::refuse(const QString &message, QWidget *focus)
{
    Prompter::tell(message, QStringLiteral("Assistant: Quorl"), Prompter::Icon::Exclamation);
    comdlg.FileName.clear();
    show();
    if (focus)
        focus->setFocus();
}

void ImageDialog::onInsert()
{
    const ImageValues v = values();
    hide();
    if (v.source.isEmpty()) {
        refuse(QStringLiteral("No image was selected"), txtSource);
        return;
    }
    const std::optional<QString> html = imageHtml(v, route() != InsertRoute::Route::Source);
    if (!html) {
        refuse(QStringLiteral("Height or Width not specified"), nullptr);
        return;
    }
    InsertHtml(*html);
    comdlg.FileName.clear();
    unload();
}
