#include "formdesigner/formcodedialog.h"

#include "formdesigner/formcode.h"
#include "platform/plaintext.h"
#include "platform/prompter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString &lastTarget()
{
    static QString target;
    return target;
}

} // namespace

FormCodeDialog::FormCodeDialog()
    : DialogFrame(QStringLiteral("prewizard"), QStringLiteral("Ombrel: Generate Code !!!"))
{
    compOrEdit = lastTarget();
    auto *grid = new QGridLayout(this);
    txtFormName = textField(QStringLiteral("txtFormName"));
    cmbAction = comboBox(QStringLiteral("cmbAction"), {"POST", "GET"}, true, "POST");
    txtFormAction = textField(QStringLiteral("txtFormAction"));
    const auto row = [&](int r, const QString &label, QWidget *field) {
        auto *caption = new QLabel(label, this);
        caption->setBuddy(field);
        PlainText::describe(field, label);
        grid->addWidget(caption, r, 0);
        grid->addWidget(field, r, 1);
    };
    row(0, QStringLiteral("Name of the Form"), txtFormName);
    row(1, QStringLiteral("Method"), cmbAction);
    row(2, QStringLiteral("Action"), txtFormAction);

    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("Continue"));
    OKButton->setDefault(true);
    CancelButton = button(QStringLiteral("CancelButton"), QStringLiteral("Back"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    buttons->addWidget(OKButton);
    grid->addLayout(buttons, 3, 0, 1, 2);

    connect(OKButton, &QPushButton::clicked, this, &FormCodeDialog::onContinue);
    connect(CancelButton, &QPushButton::clicked, this, &QWidget::hide);
}

void FormCodeDialog::setTarget(const QString &target)
{
    compOrEdit = target;
    lastTarget() = target;
}

void FormCodeDialog::onContinue()
{
    if (txtFormName->text().isEmpty() || txtFormAction->text().isEmpty()) {
        Prompter::tell(QStringLiteral("Please fill in the required fields"),
                       QStringLiteral("Ombrel"), Prompter::Icon::Information);
        return;
    }
    InsertHtml(formCode(txtFormName->text(), cmbAction->currentText(), txtFormAction->text(),
                        captured));
    unload();
}
