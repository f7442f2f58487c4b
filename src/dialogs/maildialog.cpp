#include "dialogs/maildialog.h"

#include "editor/openers.h"
#include "platform/prompter.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

std::optional<QString> mailHtml(const MailValues &v)
{
    if (v.address.isEmpty())
        return std::nullopt;
    QString html = QStringLiteral("<A href=\"mailto:") + v.address;
    if (!v.subject.isEmpty())
        html += QStringLiteral("?subject=") + v.subject;
    html += u'"';
    if (!v.screenTip.isEmpty())
        html += QStringLiteral(" TITLE=\"") + v.screenTip + u'"';
    if (v.noUnderline)
        html += QStringLiteral(" STYLE=\"text-decoration:none\"");
    return html + u'>' + v.text + QStringLiteral("</A>");
}

MailDialog::MailDialog()
    : DialogFrame(QStringLiteral("mail"), QStringLiteral("Link to E-Mail ID : Quorl"))
{
    auto *form = new QFormLayout(this);
    form->setSizeConstraint(QLayout::SetFixedSize);
    txtLink = textField(QStringLiteral("txtLink"));
    txtSubject = textField(QStringLiteral("txtSubject"));
    txtTextToDisp = textField(QStringLiteral("txtTextToDisp"));
    txtScreentip = textField(QStringLiteral("txtScreentip"));
    chkNoUnderline = checkBox(QStringLiteral("chkNoUnderline"), QStringLiteral("No Underline"));
    btnInsert = button(QStringLiteral("btnInsert"), QStringLiteral("Insert Hyperlink"));
    txtLink->setMinimumWidth(240);
    form->addRow(QStringLiteral("E-Mail ID"), txtLink);
    form->addRow(QStringLiteral("Subject"), txtSubject);
    form->addRow(QStringLiteral("Text To Display"), txtTextToDisp);
    form->addRow(QStringLiteral("Screen Tip"), txtScreentip);
    form->addRow(chkNoUnderline);
    form->addRow(btnInsert);
    connect(btnInsert, &QPushButton::clicked, this, &MailDialog::onInsert);
}

MailValues MailDialog::values() const
{
    return {txtLink->text(), txtSubject->text(), Openers::content(txtTextToDisp),
            txtScreentip->text(), chkNoUnderline->isChecked()};
}

void MailDialog::onInsert()
{
    const InsertRoute::Route route = deliveryRoute();
    MailValues v = values();
    v.text = presetIn(route, txtTextToDisp);
    const std::optional<QString> html = mailHtml(v);
    if (!html) {
        Prompter::tell(QStringLiteral("The E-Mail address has not been mentioned"),
                       QStringLiteral("Assistant: Quorl"), Prompter::Icon::Exclamation);
        txtLink->setFocus();
        return;
    }
    deliver(route, *html);
    unload();
}
