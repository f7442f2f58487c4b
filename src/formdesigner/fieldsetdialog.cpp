#include "formdesigner/fieldsetdialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

QString fieldsetHtml(const FieldsetValues &v)
{
    if (v.caption.isEmpty())
        return QStringLiteral("<FIELDSET> </FIELDSET>");
    return QStringLiteral("<FIELDSET><LEGEND align=\"") + v.align + QStringLiteral("\">")
           + v.caption + QStringLiteral("</LEGEND> </FIELDSET>");
}

FieldsetDialog::FieldsetDialog(Variant variant)
    : FormFieldDialog("formFieldset", "Fieldset : Quorl", "Fieldset", variant,
                      {NameRule::None, ConsoleForm::OpenTag, false})
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Caption   (Optional)"), txtCaption = textField("txtCaption"));
    listAlign = new QListWidget(this);
    listAlign->setObjectName(QStringLiteral("listAlign"));
    listAlign->addItems({QStringLiteral("Left"), QStringLiteral("Right")});
    listAlign->setCurrentRow(0);
    listAlign->setFixedHeight(48);
    listAlign->setEnabled(false);
    fields->addRow(QStringLiteral("Alignment"), listAlign);
    layout->addLayout(fields);
    // The alignment is the legend's, so it counts only with a caption.
    connect(txtCaption, &QLineEdit::textChanged, listAlign,
            [this](const QString &text) { listAlign->setEnabled(!text.isEmpty()); });

    OKButton = confirmButton("OKButton", "OK",
                             [this](const QString &) { return fieldsetHtml(values()); });
    CancelButton = cancelButton();
    btnHelp = documentHelp(QStringLiteral("fieldset.qhp"));
    layout->addLayout(buttonRow({OKButton, CancelButton, btnHelp}));
}

FieldsetValues FieldsetDialog::values() const
{
    const QListWidgetItem *chosen = listAlign->currentItem();
    return {txtCaption->text(), chosen && chosen->isSelected() ? chosen->text() : QString()};
}
