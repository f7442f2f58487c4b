#include "platform/htmlfinddialog.h"

#include "platform/htmlmarkup.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWebEngineScript>
#include <QWebEnginePage>

HtmlFindDialog::HtmlFindDialog(QWebEnginePage *page, QWidget *parent)
    : QDialog(parent)
    , m_page(page)
{
    setObjectName(QStringLiteral("HtmlFindDialog"));
    setWindowTitle(tr("Find"));
    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    chkMatchCase = new QCheckBox(tr("Match case"), this);
    chkMatchCase->setObjectName(QStringLiteral("chkMatchCase"));
    chkBackwards = new QCheckBox(tr("Search backwards"), this);
    chkBackwards->setObjectName(QStringLiteral("chkBackwards"));
    lblResult = new QLabel(this);
    lblResult->setObjectName(QStringLiteral("lblResult"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton *next = buttons->addButton(tr("Find Next"), QDialogButtonBox::ActionRole);
    next->setObjectName(QStringLiteral("btnFindNext"));
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, &HtmlFindDialog::findNext);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout(this);
    form->addRow(tr("Find what:"), txtFind);
    form->addRow(chkMatchCase);
    form->addRow(chkBackwards);
    form->addRow(lblResult);
    form->addRow(buttons);
}

void HtmlFindDialog::findNext()
{
    const QString text = txtFind->text();
    if (text.isEmpty())
        return;
    // The page's own find selects the match, so typing replaces it.
    const QString script = QStringLiteral("window.find(%1, %2, %3, true, false, false, false)")
                               .arg(HtmlMarkup::jsString(text),
                                    chkMatchCase->isChecked() ? "true" : "false",
                                    chkBackwards->isChecked() ? "true" : "false");
    m_page->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                          [this](const QVariant &result) {
                              const bool found = result.toBool();
                              lblResult->setText(found ? QString()
                                                       : tr("The text was not found."));
                              Q_EMIT searched(found);
                          });
}
