#pragma once

#include "dialogs/dialogframe.h"

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;

// The declarations of a form field's style attribute. A colour of "none"
// and an absent font or size write nothing.
struct FieldStyle {
    QString colour = QStringLiteral("none");
    QString background = QStringLiteral("none");
    bool border = false;
    std::optional<QString> font = QString();
    std::optional<QString> size = QStringLiteral("14");
    bool bold = false;
    bool italic = false;
};

// The declarations in their fixed order: colour, background (under
// backgroundProperty, "background-color" or "background"), border, font
// family, font size, bold, italic.
QString fieldStyle(const FieldStyle &style, const QString &backgroundProperty);

// " style=..." from the declarations; nothing when there is no style or it
// declares nothing.
QString styleAttribute(const std::optional<FieldStyle> &style,
                       const QString &backgroundProperty);

// ` name="value"`, the value as typed: neither trimmed nor escaped.
QString fieldAttribute(const char *name, const QString &value);
// The same, or nothing when value is empty.
QString optionalAttribute(const char *name, const QString &value);

// What the form field dialogs and their designer variants share: the name
// check, the style group and the delivery, by the target to the main
// windows or the console, or by the designer's staging view.
class FormFieldDialog : public DialogFrame
{
    Q_OBJECT

public:
    // A designer variant stages its element in the form designer and never
    // reads its target.
    enum class Variant { Document, Designer };
    // The message an empty name gets; None: the kind needs no name.
    enum class NameRule { Field, List, Form, Hidden, None };
    // What the console receives: the start tag left open (a single tag), or
    // the whole element with the ">" that closes its start tag selected.
    enum class ConsoleForm { OpenTag, Element, BodyElement };

    struct Kind {
        NameRule name = NameRule::Field;
        ConsoleForm console = ConsoleForm::OpenTag;
        // The composer, the console and the designer get the element inside
        // "<body>" and "</body>".
        bool wrapInBody = false;
    };

    // The style controls; the size, bold, italic and colour buttons only on
    // the full group.
    struct StyleControls {
        QGroupBox *frame = nullptr;
        QCheckBox *chkUseStyle = nullptr;
        QComboBox *cmbcolour = nullptr;
        QComboBox *cmbbgcolour = nullptr;
        QPushButton *btnColour = nullptr;
        QPushButton *btnBGColour = nullptr;
        QComboBox *listFont = nullptr;
        QComboBox *cmbFontSize = nullptr;
        QCheckBox *chkBold = nullptr;
        QCheckBox *chkItalics = nullptr;
        QGridLayout *grid = nullptr;
    };
    struct StyleLabels {
        const char *frame;
        const char *checkName;
        const char *check;
        const char *background;
        const char *size;   // nullptr: the reduced group without size, bold, italic, buttons
        const char *font;   // the font box's first text
    };

    static inline const QStringList colourItems{
        "none", "aqua", "black", "blue", "fuchsia", "gray", "green", "lime", "maroon",
        "navy", "olive", "purple", "red", "silver", "teal", "white", "yellow"};
    static inline const QStringList sizeItems{"6", "7", "8", "9", "10", "11", "12", "14", "16",
                                              "18", "20", "22", "24", "26", "28", "36", "48",
                                              "72"};

    bool isDesigner() const { return m_variant == Variant::Designer; }

    QLineEdit *txtName = nullptr;
    StyleControls style;

protected:
    // name and caption are the document dialog's; the designer variant is
    // named with an "O" before it and captioned designerCaption.
    FormFieldDialog(const char *name, const char *caption, const char *designerCaption,
                    Variant variant, Kind kind);

    using Builder = std::function<QString(const QString &tagEnd)>;

    // txtName, with the focus going back to it after a failed name check.
    QLineEdit *nameField();
    // False, after the kind's message, when the name is empty.
    bool nameGiven();
    // Builds the style group into style; it starts unticked and disabled.
    QGroupBox *styleGroup(const StyleLabels &labels);
    // Adds a control that the style check box switches too.
    void addStyleSwitch(QWidget *control);
    // The group's values, or nothing when it is unticked.
    std::optional<FieldStyle> styleValues() const;
    // The button that checks the numbers and the name, then builds the
    // element with the given end of its start tag (">" or the console's),
    // delivers it and unloads the dialog.
    QPushButton *confirmButton(const char *name, const char *caption, const Builder &build);
    // btnHelp on a document dialog; nothing on a designer variant.
    QPushButton *documentHelp(const QString &page, const char *caption = "Help");
    // The buttons right-aligned in a row; absent ones are left out.
    QHBoxLayout *buttonRow(const QList<QPushButton *> &buttons);

private:
    void deliverField(const Builder &build);

    Variant m_variant;
    Kind m_kind;
    QList<QWidget *> m_styleSwitched;
};
