#include "dialogs/colourbutton.h"

#include "platform/commondialog.h"

#include <QComboBox>
#include <QLineEdit>

QString colourText(const QColor &colour)
{
    return colour.name(QColor::HexRgb).toUpper();
}

namespace ColourButton {

namespace {

void setFieldText(QWidget *field, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(field))
        line->setText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(field))
        combo->setEditText(text);
}

} // namespace

void fillBox(CommonDialog &dialog, QLineEdit *box)
{
    if (!dialog.ShowColor())
        return;
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, dialog.Color);
    box->setPalette(palette);
    box->setText(colourText(dialog.Color));
}

void fillText(CommonDialog &dialog, QWidget *field)
{
    setFieldText(field, dialog.ShowColor() ? colourText(dialog.Color) : QString());
}

} // namespace ColourButton
