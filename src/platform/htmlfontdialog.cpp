#include "platform/htmlfontdialog.h"

#include "platform/htmlmarkup.h"
#include "platform/prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QPushButton>

HtmlFontDialog::HtmlFontDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("HtmlFontDialog"));
    setWindowTitle(tr("Font"));
    cmbFace = new QFontComboBox(this);
    cmbFace->setObjectName(QStringLiteral("cmbFace"));
    cmbFace->setEditable(true);
    cmbFace->setCurrentIndex(-1);
    cmbFace->setEditText(QString());
    cmbSize = new QComboBox(this);
    cmbSize->setObjectName(QStringLiteral("cmbSize"));
    cmbSize->addItems({QString(), "1", "2", "3", "4", "5", "6", "7"});
    btnColour = new QPushButton(tr("Choose..."), this);
    btnColour->setObjectName(QStringLiteral("btnColour"));
    connect(btnColour, &QPushButton::clicked, this, [this] {
        if (const auto chosen = Prompter::instance().color(m_color.isValid() ? m_color
                                                                            : QColor(Qt::black))) {
            m_color = *chosen;
            btnColour->setText(m_color.name(QColor::HexRgb).toUpper());
        }
    });
    chkBold = new QCheckBox(tr("Bold"), this);
    chkBold->setObjectName(QStringLiteral("chkBold"));
    chkItalic = new QCheckBox(tr("Italic"), this);
    chkItalic->setObjectName(QStringLiteral("chkItalic"));
    chkUnderline = new QCheckBox(tr("Underline"), this);
    chkUnderline->setObjectName(QStringLiteral("chkUnderline"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout(this);
    form->addRow(tr("Font:"), cmbFace);
    form->addRow(tr("Size:"), cmbSize);
    form->addRow(tr("Colour:"), btnColour);
    form->addRow(chkBold);
    form->addRow(chkItalic);
    form->addRow(chkUnderline);
    form->addRow(buttons);
}

HtmlFontDialog::Choice HtmlFontDialog::choice() const
{
    return {cmbFace->currentText().trimmed(), cmbSize->currentText().toInt(), m_color,
            chkBold->isChecked(), chkItalic->isChecked(), chkUnderline->isChecked()};
}

QString HtmlFontDialog::script(const Choice &choice)
{
    // Through the view's inline formatting, which stays fast on a large
    // selection and writes what the engine writes.
    QStringList calls{QStringLiteral("document.execCommand('styleWithCSS', false, false)")};
    if (!choice.face.isEmpty())
        calls << QStringLiteral("qvFormat.apply('fontName', %1)")
                     .arg(HtmlMarkup::jsString(choice.face));
    if (choice.size >= 1 && choice.size <= 7)
        calls << QStringLiteral("qvFormat.apply('fontSize', '%1')").arg(choice.size);
    if (choice.color.isValid())
        calls << QStringLiteral("qvFormat.apply('foreColor', '%1')")
                     .arg(choice.color.name(QColor::HexRgb).toUpper());
    // The toggles set the state asked for, whatever the selection had.
    const std::pair<bool, const char *> toggles[] = {
        {choice.bold, "bold"}, {choice.italic, "italic"}, {choice.underline, "underline"}};
    for (const auto &[wanted, command] : toggles) {
        if (wanted)
            calls << QStringLiteral("qvFormat.state('%1') || qvFormat.apply('%1')")
                         .arg(QLatin1String(command));
    }
    return calls.join(QStringLiteral(";\n")) + u';';
}
