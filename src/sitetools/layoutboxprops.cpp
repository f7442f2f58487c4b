#include "sitetools/layoutboxprops.h"

#include "sitetools/layoutmanager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

LayoutBoxProps::LayoutBoxProps()
    : BoxBorderDialog(QStringLiteral("LBoxProps"), QStringLiteral("Box Properties"))
{
    txtName = textField(QStringLiteral("txtName"));
    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("OK"));
    CancelButton = cancelButton();
    connect(OKButton, &QPushButton::clicked, this, &LayoutBoxProps::onOK);

    auto *name = new QHBoxLayout;
    auto *lblName = new QLabel(QStringLiteral("Name"), this);
    lblName->setObjectName(QStringLiteral("lblName"));
    name->addWidget(lblName);
    name->addWidget(txtName, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addWidget(backgroundControls(QStringLiteral("lblBGColour")));
    layout->addWidget(borderControls());
    layout->addLayout(buttons);
}

void LayoutBoxProps::onOK()
{
    if (txtName->text().isEmpty())
        txtName->setText(QStringLiteral("LayoutBox"));
    // With the layout manager gone there is nowhere to stage the box.
    if (auto *manager = qobject_cast<LayoutManager *>(
            WindowDirectory::loaded(QStringLiteral("LManager"))))
        manager->stage(layoutBoxHtml(txtName->text(), txtBGColour->text(), borders()));
    unload();
}
