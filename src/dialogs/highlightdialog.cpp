#include "dialogs/highlightdialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString highlightHtml(const QString &colour, const QString &text)
{
    return QStringLiteral("<span style=\"background-color: ") + colour.toUpper()
           + QStringLiteral("\">") + text + QStringLiteral("</span> ");
}

HighlightDialog::HighlightDialog()
    : DialogFrame(QStringLiteral("highlight"), QStringLiteral("Highlight Text : Quorl"))
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *Label1 = new QLabel(
        QStringLiteral("Select a colour with which you wish to highlight the selected text"),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    layout->addWidget(Label1);

    auto *frame = new QGroupBox(QStringLiteral("Select Colour"), this);
    auto *row = new QHBoxLayout(frame);
    txtColour = textField(QStringLiteral("txtColour"));
    openColor = colourBoxButton(QStringLiteral("openColor"), txtColour,
                                QStringLiteral("Choose Colour"));
    row->addWidget(openColor);
    row->addWidget(new QLabel(QStringLiteral("Selected Colour"), frame));
    row->addWidget(txtColour);
    layout->addWidget(frame);

    txthighlight = textField(QStringLiteral("txthighlight"));
    txthighlight->hide();

    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("OK"));
    CancelButton = cancelButton();
    btnHelp = helpButton(QStringLiteral("highlight.qhp"));
    addButtonRow(layout, {OKButton, CancelButton, btnHelp});

    connect(OKButton, &QPushButton::clicked, this, &HighlightDialog::onOK);
}

void HighlightDialog::onOK()
{
    const InsertRoute::Route route = deliveryRoute();
    deliver(route, highlightHtml(txtColour->text(), textIn(route, txthighlight->text())));
    unload();
}
