#pragma once

#include "dialogs/dialogframe.h"

class QListWidget;

// What the font dialog's lists and boxes hold.
struct FontValues {
    QString face;
    QString size;
    QString style;  // "Regular", "Bold", "Italics", "Bold Italics" or empty
    QString colour;
    bool underline = false;
    bool blink = false;
    bool strike = false;
    bool superscript = false;
    bool subscript = false;
    bool strong = false;
    bool emphasis = false;
    bool keyboard = false;
    bool code = false;
    bool citation = false;
    bool sample = false;
    bool overline = false;
    bool hidden = false;
    bool smallCaps = false;
    bool allCaps = false;
    bool capitalise = false;  // wins over allCaps
};

// text wrapped, from the inside out, in the colour FONT, the face and size
// FONT, a SPAN of the chosen declarations, the phrase tags and the style
// tags. Only what was chosen is written, so with nothing chosen the text
// comes back as it was.
QString fontHtml(const FontValues &values, const QString &text);

// The font dialog "frmFont": wraps the source selection, or the clipboard's
// text for the composer.
class FontDialog : public DialogFrame
{
    Q_OBJECT

public:
    FontDialog();

    FontValues values() const;

    QListWidget *listFont = nullptr;
    QListWidget *listSize = nullptr;
    QListWidget *listStyle = nullptr;
    QLineEdit *txtColour = nullptr;
    QPushButton *showColours = nullptr;
    QCheckBox *chkUnderline = nullptr;
    QCheckBox *chkBlink = nullptr;
    QCheckBox *chkStrike = nullptr;
    QCheckBox *chkSup = nullptr;
    QCheckBox *chkSub = nullptr;
    QCheckBox *chkStrong = nullptr;
    QCheckBox *chkEmphasis = nullptr;
    QCheckBox *chkKeyboard = nullptr;
    QCheckBox *chkCode = nullptr;
    QCheckBox *chkCitation = nullptr;
    QCheckBox *chkSample = nullptr;
    QCheckBox *chkOverline = nullptr;
    QCheckBox *chkHidden = nullptr;
    QCheckBox *chkSmallCaps = nullptr;
    QCheckBox *chkAllCaps = nullptr;
    QCheckBox *chkCapitalise = nullptr;
    QCheckBox *chkVariable = nullptr;
    QCheckBox *chkDefinition = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;

private:
    QWidget *buildEffects();
    void onOK();
};
