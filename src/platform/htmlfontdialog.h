#pragma once

#include <QColor>
#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QPushButton;

// The editing control's own font dialog. The choice is applied to the
// selection by the engine's font commands, which write FONT elements that
// stay well nested across paragraphs.
class HtmlFontDialog : public QDialog
{
    Q_OBJECT

public:
    struct Choice {
        QString face;     // empty: unchanged
        int size = 0;     // 1 to 7; 0: unchanged
        QColor color;     // invalid: unchanged
        bool bold = false;
        bool italic = false;
        bool underline = false;
    };

    explicit HtmlFontDialog(QWidget *parent = nullptr);

    Choice choice() const;
    // The engine commands that apply a choice, as a script for the page.
    static QString script(const Choice &choice);

    QFontComboBox *cmbFace = nullptr;
    QComboBox *cmbSize = nullptr;
    QPushButton *btnColour = nullptr;
    QCheckBox *chkBold = nullptr;
    QCheckBox *chkItalic = nullptr;
    QCheckBox *chkUnderline = nullptr;

private:
    QColor m_color;
};
