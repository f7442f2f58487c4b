#include "platform/htmllinkdialog.h"

#include "platform/htmlmarkup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

HtmlLinkDialog::HtmlLinkDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("HtmlLinkDialog"));
    setWindowTitle(tr("Hyperlink"));
    txtAddress = new QLineEdit(QStringLiteral("http://"), this);
    txtAddress->setObjectName(QStringLiteral("txtAddress"));
    txtText = new QLineEdit(this);
    txtText->setObjectName(QStringLiteral("txtText"));
    cmbTarget = new QComboBox(this);
    cmbTarget->setObjectName(QStringLiteral("cmbTarget"));
    cmbTarget->setEditable(true);
    cmbTarget->addItems({QString(), "_blank", "_parent", "_self", "_top"});
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto updateOk = [this, buttons] {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!txtAddress->text().trimmed().isEmpty());
    };
    connect(txtAddress, &QLineEdit::textChanged, this, updateOk);
    auto *form = new QFormLayout(this);
    form->addRow(tr("Address:"), txtAddress);
    form->addRow(tr("Text to display:"), txtText);
    form->addRow(tr("Target frame:"), cmbTarget);
    form->addRow(buttons);
}

QString HtmlLinkDialog::markup(const QString &address, const QString &text, const QString &target)
{
    QString out = QStringLiteral("<A href=\"") + HtmlMarkup::attribute(address.trimmed()) + u'"';
    if (!target.isEmpty())
        out += QStringLiteral(" target=\"") + HtmlMarkup::attribute(target) + u'"';
    const QString shown = text.isEmpty() ? address.trimmed() : text;
    return out + u'>' + HtmlMarkup::text(shown) + QStringLiteral("</A>");
}

QString HtmlLinkDialog::markup() const
{
    return markup(txtAddress->text(), txtText->text(), cmbTarget->currentText());
}
