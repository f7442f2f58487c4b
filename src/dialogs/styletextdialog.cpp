#include "dialogs/styletextdialog.h"

#include "dialogs/livepreview.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString selected(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentItem();
    return item ? item->text() : QString();
}

} // namespace

QString styleTextHtml(const StyleTextValues &v)
{
    if (v.filter == u"wavy")
        return QStringLiteral("<DIV ID=\"waveText\"style=\"width:") + v.width
               + QStringLiteral("px;height:") + v.height + QStringLiteral("px;font-size:")
               + v.fontSize + QStringLiteral(" ;color:") + v.colour
               + QStringLiteral(";filter:wave(add=0,phase=4,freq=5,strength=2)\">") + v.text
               + QStringLiteral("</DIV>");
    return QStringLiteral("<TABLE Style = \"filter:") + v.filter + QStringLiteral(" (color=")
           + v.colour + QStringLiteral(", strength=") + v.strength
           + QStringLiteral(")\"><TR><TD><center>") + v.text + QStringLiteral("</TABLE>");
}

StyleTextDialog::StyleTextDialog()
    : DialogFrame(QStringLiteral("styleText"), QStringLiteral("Style Text : Quorl"))
{
    auto *layout = new QVBoxLayout(this);
    txtStyle = textField(QStringLiteral("txtStyle"));
    auto *text = new QHBoxLayout;
    text->addWidget(new QLabel(QStringLiteral("Text"), this));
    text->addWidget(txtStyle, 1);
    layout->addLayout(text);

    const auto frame = [this](const char *title, QWidget *control) {
        auto *box = new QGroupBox(QLatin1String(title), this);
        auto *boxLayout = new QVBoxLayout(box);
        boxLayout->addWidget(control);
        return box;
    };
    listFilter = new QListWidget(this);
    listFilter->setObjectName(QStringLiteral("listFilter"));
    listFilter->addItems({"dropshadow", "glow", "shadow", "wavy"});
    listStrength = new QListWidget(this);
    listStrength->setObjectName(QStringLiteral("listStrength"));
    for (int i = 1; i <= 10; ++i)
        listStrength->addItem(QString::number(i));
    for (QListWidget *list : {listFilter, listStrength})
        list->setMaximumHeight(84);
    cmbcolour = comboBox(QStringLiteral("cmbcolour"),
                         {"aqua", "black", "blue", "fuchsia", "gray", "green", "lime", "maroon",
                          "navy", "olive", "purple", "red", "silver", "teal", "white", "yellow"},
                         true, QStringLiteral("blue"));
    txtWidth = textField(QStringLiteral("txtWidth"), QStringLiteral("0"));
    txtHeight = textField(QStringLiteral("txtHeight"), QStringLiteral("0"));
    txtFontSize = textField(QStringLiteral("txtFontSize"), QStringLiteral("36"));

    auto *grid = new QGridLayout;
    grid->addWidget(frame("Filter", listFilter), 0, 0, 2, 1);
    grid->addWidget(frame("Strength", listStrength), 0, 1, 2, 1);
    grid->addWidget(frame("Colour", cmbcolour), 0, 2);
    grid->addWidget(frame("Width", txtWidth), 1, 2);
    grid->addWidget(frame("Height", txtHeight), 0, 3);
    grid->addWidget(frame("Font Size", txtFontSize), 1, 3);
    layout->addLayout(grid);

    preview = LivePreview::addFramed(layout, this);

    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("OK"));
    CancelButton = cancelButton();
    btnHelp = helpButton(QStringLiteral("styleText.qhp"));
    btnHelp->setText(QStringLiteral("Show Help"));
    addButtonRow(layout, {OKButton, CancelButton, btnHelp});

    for (QLineEdit *field : {txtStyle, txtWidth, txtHeight, txtFontSize})
        connect(field, &QLineEdit::textChanged, this, &StyleTextDialog::UpdateStylePreview);
    connect(cmbcolour, &QComboBox::currentTextChanged, this,
            &StyleTextDialog::UpdateStylePreview);
    connect(listStrength, &QListWidget::currentRowChanged, this,
            &StyleTextDialog::UpdateStylePreview);
    connect(listFilter, &QListWidget::currentRowChanged, this, &StyleTextDialog::onFilter);
    connect(OKButton, &QPushButton::clicked, this, &StyleTextDialog::onOK);
}

void StyleTextDialog::load()
{
    listFilter->setCurrentRow(0);
    listStrength->setCurrentRow(0);
    onFilter();
    DialogFrame::load();
}

void StyleTextDialog::onFilter()
{
    UpdateStylePreview();
    const bool wavy = selected(listFilter) == u"wavy";
    for (QLineEdit *field : {txtHeight, txtWidth, txtFontSize})
        field->setEnabled(wavy);
}

StyleTextValues StyleTextDialog::values() const
{
    StyleTextValues v;
    v.text = txtStyle->text();
    v.filter = selected(listFilter);
    v.strength = selected(listStrength);
    v.colour = cmbcolour->currentText();
    v.width = txtWidth->text();
    v.height = txtHeight->text();
    v.fontSize = txtFontSize->text();
    return v;
}

void StyleTextDialog::UpdateStylePreview()
{
    preview->showHtml(styleTextHtml(values()));
}

void StyleTextDialog::onOK()
{
    const InsertRoute::Route route = deliveryRoute();
    StyleTextValues v = values();
    v.text = presetIn(route, txtStyle);
    deliver(route, styleTextHtml(v));
    unload();
}
