#include "dialogs/marqueedialog.h"

#include "dialogs/digitfield.h"
#include "dialogs/livepreview.h"
#include "platform/prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

QString marqueeHtml(const MarqueeValues &v)
{
    QString html = QStringLiteral("<marquee behavior=") + v.behaviour
                   + QStringLiteral(" direction=") + v.direction;
    const auto plain = [&html](const char *name, const QString &value) {
        if (!value.isEmpty())
            html += u' ' + QLatin1String(name) + u'=' + value;
    };
    plain("scrollamount", v.scrollAmount);
    plain("scrolldelay", v.scrollDelay);
    if (!v.width.isEmpty())
        html += QStringLiteral(" width=\"") + v.width + (v.percentage ? QStringLiteral("%") : QString())
                + u'"';
    plain("height", v.height);
    plain("hspace", v.hSpace);
    plain("vspace", v.vSpace);
    plain("bgcolor", v.colour);
    plain("loop", v.loop);
    return html + u'>' + v.text + QStringLiteral("</marquee>");
}

MarqueeDialog::MarqueeDialog()
    : DialogFrame(QStringLiteral("marquee"), QStringLiteral("Insert Marquee : Quorl"))
{
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    const auto label = [this](const char *text) { return new QLabel(QLatin1String(text), this); };

    txtMarquee = textField(QStringLiteral("txtMarquee"));
    grid->addWidget(label("Marquee Text"), 0, 0);
    grid->addWidget(txtMarquee, 0, 1, 1, 5);

    listBehaviour = new QListWidget(this);
    listBehaviour->setObjectName(QStringLiteral("listBehaviour"));
    listBehaviour->addItems({"Scroll", "Slide", "Alternate"});
    listBehaviour->setMaximumHeight(64);
    grid->addWidget(label("Behaviour"), 1, 0);
    grid->addWidget(listBehaviour, 1, 1, 2, 1);
    cmbDirection = comboBox(QStringLiteral("cmbDirection"), {"Left", "Right", "Up", "Down"},
                            true, QStringLiteral("Left"));
    grid->addWidget(label("Direction"), 1, 2);
    grid->addWidget(cmbDirection, 1, 3);

    // The numeric boxes take digits only; the loop box takes any text.
    const auto digits = [this](const char *name) {
        QLineEdit *field = textField(QLatin1String(name));
        bindDigitField(field);
        return field;
    };
    txtScrollAmount = digits("txtScrollAmount");
    txtScrollDelay = digits("txtScrollDelay");
    txtWidth = digits("txtWidth");
    txtHeight = digits("txtHeight");
    txtHSpace = digits("txtHSpace");
    txtVSpace = digits("txtVSpace");
    txtLoop = textField(QStringLiteral("txtLoop"), QStringLiteral("-1"));
    updownLoop = spinner(QStringLiteral("updownLoop"), txtLoop, -1);
    chkPercentage = checkBox(QStringLiteral("chkPercentage"), QStringLiteral("Percentage"));

    grid->addWidget(label("Scroll Amount"), 2, 2);
    grid->addWidget(txtScrollAmount, 2, 3);
    grid->addWidget(label("Scroll Delay"), 3, 2);
    grid->addWidget(txtScrollDelay, 3, 3);
    auto *loop = new QHBoxLayout;
    loop->addWidget(txtLoop);
    loop->addWidget(updownLoop);
    grid->addWidget(label("Loop"), 3, 0);
    grid->addLayout(loop, 3, 1);
    grid->addWidget(label("Width"), 1, 4);
    grid->addWidget(txtWidth, 1, 5);
    grid->addWidget(chkPercentage, 2, 5);
    grid->addWidget(label("Height"), 3, 4);
    grid->addWidget(txtHeight, 3, 5);
    grid->addWidget(label("HSpace"), 4, 0);
    grid->addWidget(txtHSpace, 4, 1);
    grid->addWidget(label("VSpace"), 4, 2);
    grid->addWidget(txtVSpace, 4, 3);

    txtColour = textField(QStringLiteral("txtColour"));
    btnShowPalette = colourBoxButton(QStringLiteral("btnShowPalette"), txtColour);
    btnShowPalette->setFixedWidth(32);
    auto *colour = new QHBoxLayout;
    colour->addWidget(txtColour);
    colour->addWidget(btnShowPalette);
    grid->addWidget(label("Background Colour"), 5, 0);
    grid->addLayout(colour, 5, 1, 1, 3);
    layout->addLayout(grid);

    preview = LivePreview::addFramed(layout, this);

    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("Insert"));
    CancelButton = cancelButton();
    btnHelp = helpButton(QStringLiteral("marquee.qhp"));
    btnHelp->setText(QStringLiteral("Show Help"));
    addButtonRow(layout, {OKButton, CancelButton, btnHelp});

    for (QLineEdit *field : {txtMarquee, txtLoop, txtColour, txtScrollAmount, txtScrollDelay,
                             txtWidth, txtHeight, txtHSpace, txtVSpace})
        connect(field, &QLineEdit::textChanged, this, &MarqueeDialog::getPreview);
    connect(cmbDirection, &QComboBox::currentTextChanged, this, &MarqueeDialog::getPreview);
    connect(listBehaviour, &QListWidget::currentRowChanged, this, &MarqueeDialog::getPreview);
    connect(chkPercentage, &QCheckBox::toggled, this, &MarqueeDialog::getPreview);
    connect(OKButton, &QPushButton::clicked, this, &MarqueeDialog::onOK);
}

void MarqueeDialog::load()
{
    listBehaviour->setCurrentRow(0);
    getPreview();
    DialogFrame::load();
}

MarqueeValues MarqueeDialog::values() const
{
    MarqueeValues v;
    v.text = txtMarquee->text();
    const QListWidgetItem *behaviour = listBehaviour->currentItem();
    v.behaviour = behaviour ? behaviour->text() : QString();
    v.direction = cmbDirection->currentText();
    v.scrollAmount = txtScrollAmount->text();
    v.scrollDelay = txtScrollDelay->text();
    v.width = txtWidth->text();
    v.percentage = chkPercentage->isChecked();
    v.height = txtHeight->text();
    v.hSpace = txtHSpace->text();
    v.vSpace = txtVSpace->text();
    v.colour = txtColour->text();
    v.loop = txtLoop->text();
    return v;
}

void MarqueeDialog::getPreview()
{
    preview->showHtml(marqueeHtml(values()));
}

void MarqueeDialog::onOK()
{
    const InsertRoute::Route route = deliveryRoute();
    MarqueeValues v = values();
    v.text = presetIn(route, txtMarquee);
    if (v.text.isEmpty()) {
        Prompter::tell(QStringLiteral("No text entered to insert as marquee"),
                       QStringLiteral("Assistant: Quorl"), Prompter::Icon::Exclamation);
        txtMarquee->setFocus();
        return;
    }
    deliver(route, marqueeHtml(v));
    unload();
}
