#include "platform/htmlimagedialog.h"

#include "platform/htmlmarkup.h"
#include "platform/prompter.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>

HtmlImageDialog::HtmlImageDialog(const QString &documentFolder, QWidget *parent)
    : QDialog(parent)
    , m_folder(documentFolder)
{
    setObjectName(QStringLiteral("HtmlImageDialog"));
    setWindowTitle(tr("Image"));
    txtSource = new QLineEdit(this);
    txtSource->setObjectName(QStringLiteral("txtSource"));
    auto *browseButton = new QPushButton(tr("Browse..."), this);
    connect(browseButton, &QPushButton::clicked, this, &HtmlImageDialog::browse);
    auto *sourceRow = new QHBoxLayout;
    sourceRow->addWidget(txtSource);
    sourceRow->addWidget(browseButton);
    txtAlt = new QLineEdit(this);
    txtAlt->setObjectName(QStringLiteral("txtAlt"));
    txtBorder = new QSpinBox(this);
    txtBorder->setObjectName(QStringLiteral("txtBorder"));
    txtBorder->setRange(0, 100);
    cmbAlign = new QComboBox(this);
    cmbAlign->setObjectName(QStringLiteral("cmbAlign"));
    cmbAlign->addItems({QString(), "left", "right", "top", "middle", "bottom", "absmiddle",
                        "baseline", "texttop"});

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout(this);
    form->addRow(tr("Picture source:"), sourceRow);
    form->addRow(tr("Alternate text:"), txtAlt);
    form->addRow(tr("Border:"), txtBorder);
    form->addRow(tr("Alignment:"), cmbAlign);
    form->addRow(buttons);
}

void HtmlImageDialog::browse()
{
    const auto chosen = Prompter::instance().openFile(
        {tr("Picture"), tr("Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.svg *.webp);;All (*)"),
         m_folder, QString()});
    if (!chosen)
        return;
    if (!m_folder.isEmpty()) {
        const QString relative = QDir(m_folder).relativeFilePath(*chosen);
        if (!relative.startsWith(QStringLiteral("..")))
            return txtSource->setText(relative);
    }
    txtSource->setText(QUrl::fromLocalFile(*chosen).toString());
}

HtmlImageDialog::Image HtmlImageDialog::image() const
{
    return {txtSource->text().trimmed(), txtAlt->text(), txtBorder->value(),
            cmbAlign->currentText()};
}

QString HtmlImageDialog::markup(const Image &image)
{
    QString out = QStringLiteral("<IMG src=\"") + HtmlMarkup::attribute(image.source) + u'"';
    if (!image.alt.isEmpty())
        out += QStringLiteral(" alt=\"") + HtmlMarkup::attribute(image.alt) + u'"';
    out += QStringLiteral(" border=\"%1\"").arg(image.border);
    if (!image.align.isEmpty())
        out += QStringLiteral(" align=\"") + HtmlMarkup::attribute(image.align) + u'"';
    return out + u'>';
}
