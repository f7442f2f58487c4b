#pragma once

#include <QColor>
#include <QString>

class CommonDialog;
class QLineEdit;
class QWidget;

// "#RRGGBB" in upper case. Black is a colour like any other.
QString colourText(const QColor &colour);

// The two forms of colour button. Both ask the common colour dialog; only a
// cancelled dialog counts as no colour.
namespace ColourButton {

// Colour box: paints the box and writes its text; a cancel leaves it as it was.
void fillBox(CommonDialog &dialog, QLineEdit *box);

// Colour text: writes the text of a line edit or an editable combo box; a
// cancel clears it.
void fillText(CommonDialog &dialog, QWidget *field);

} // namespace ColourButton
