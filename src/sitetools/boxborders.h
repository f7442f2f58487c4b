#pragma once

#include "dialogs/dialogframe.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QRadioButton;

// One side's border as its fields hold it; the defaults are the design values.
struct BorderSide {
    QString thickness = QStringLiteral("1");
    QString type = QStringLiteral("solid");
    QString colour;
};

// The borders of a box: all four alike, or each side on its own.
struct BoxBorders {
    bool individual = false;
    BorderSide all;
    BorderSide left;
    BorderSide right;
    BorderSide top;
    BorderSide bottom;

    static inline const QStringList types{"solid", "dotted", "dashed", "double", "groove",
                                          "ridge", "inset", "outset", "none"};
};

// A thickness as a style takes it: engines ignore a bare number, so one
// gets "px"; a thickness with a unit, or any other text, stays as typed.
QString borderThickness(const QString &typed);

// The four border declarations, left, right, top, bottom, each ending in
// ";". Shared values are written type first, a side's own thickness first.
// Texts go in as typed, except for the thickness (borderThickness) and a
// double quote, which becomes &quot; so the style attribute stays closed.
QString borderDeclarations(const BoxBorders &borders);

// The layout box staged for the layout manager; an empty name is "LayoutBox".
QString layoutBoxHtml(const QString &name, const QString &bgColour, const BoxBorders &borders);

// The box maker's preview box.
QString boxMakerHtml(const QString &bgColour, const BoxBorders &borders);

// The dialogs that set a box's borders: the two options, the shared fields
// and the fields of each side, with their colour buttons and spinners.
class BoxBorderDialog : public DialogFrame
{
    Q_OBJECT

public:
    BoxBorderDialog(const QString &name, const QString &caption);

    BoxBorders borders() const;

    QRadioButton *radAllBorder = nullptr;
    QRadioButton *radIndiBorder = nullptr;
    QComboBox *cmbAllBorderType = nullptr;
    QLineEdit *txtAllThickness = nullptr;
    QLineEdit *txtAllColour = nullptr;
    QLineEdit *txtTopThickness = nullptr;
    QLineEdit *txtLeftThickness = nullptr;
    QLineEdit *txtRightThickness = nullptr;
    QLineEdit *txtBottomThickness = nullptr;
    QComboBox *cmbIndiTopType = nullptr;
    QComboBox *cmbIndiLeftType = nullptr;
    QComboBox *cmbIndiRightType = nullptr;
    QComboBox *cmbIndiBottomType = nullptr;
    QLineEdit *txtTopColour = nullptr;
    QLineEdit *txtLeftColour = nullptr;
    QLineEdit *txtRightColour = nullptr;
    QLineEdit *txtBottomColour = nullptr;
    QLineEdit *txtBGColour = nullptr;

protected:
    // The options, the shared group and the sides, laid out in one widget.
    QWidget *borderControls();
    // The background colour row under its label.
    QWidget *backgroundControls(const QString &labelName);
    // Calls changed after any change of a shared field (false) or of a
    // side's field (true), by typing, a list choice, a colour or a spinner.
    void watchBorderFields(const std::function<void(bool individual)> &changed);

private:
    QLineEdit *thicknessField(const QString &name);
    QComboBox *typeList(const QString &name);
};
