#include "dialogs/headingdialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

QString headingHtml(int level, const QString &align, const QString &text)
{
    return QStringLiteral("<H%1 align=\"%2\">").arg(QString::number(level), align) + text
           + QStringLiteral("</H%1>").arg(level);
}

HeadingDialog::HeadingDialog()
    : DialogFrame(QStringLiteral("heading"), QStringLiteral("Insert Heading : Quorl"))
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto *choices = new QHBoxLayout;
    auto *levels = new QGroupBox(QStringLiteral("Level Of Heading"), this);
    auto *levelColumn = new QVBoxLayout(levels);
    for (int i = 0; i < 6; ++i) {
        radLevel[i] = optionButton(QStringLiteral("radLevel%1").arg(i + 1),
                                   QStringLiteral("Level %1").arg(i + 1), i == 0);
        levelColumn->addWidget(radLevel[i]);
    }
    choices->addWidget(levels);

    auto *alignment = new QGroupBox(QStringLiteral("Alignment"), this);
    auto *alignColumn = new QVBoxLayout(alignment);
    listAlign = new QListWidget(alignment);
    listAlign->setObjectName(QStringLiteral("listAlign"));
    listAlign->addItems({"Left", "Center", "Right"});
    alignColumn->addWidget(listAlign);
    choices->addWidget(alignment);
    layout->addLayout(choices);

    txtHeading = textField(QStringLiteral("txtHeading"));
    layout->addWidget(new QLabel(QStringLiteral("Heading Text"), this));
    layout->addWidget(txtHeading);

    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("OK"));
    CancelButton = cancelButton();
    btnHelp = helpButton(QStringLiteral("heading.qhp"));
    addButtonRow(layout, {OKButton, CancelButton, btnHelp});
    connect(OKButton, &QPushButton::clicked, this, &HeadingDialog::onOK);
}

void HeadingDialog::load()
{
    listAlign->setCurrentRow(0);
    DialogFrame::load();
}

int HeadingDialog::level() const
{
    for (int i = 0; i < 6; ++i) {
        if (radLevel[i]->isChecked())
            return i + 1;
    }
    return 1;
}

void HeadingDialog::onOK()
{
    const QListWidgetItem *align = listAlign->currentItem();
    const InsertRoute::Route route = deliveryRoute();
    deliver(route, headingHtml(level(), align ? align->text() : QString(),
                               presetIn(route, txtHeading)));
    unload();
}
