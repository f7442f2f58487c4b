#pragma once

#include "dialogs/dialogframe.h"

class LivePreview;
class QListWidget;

// What the styled text dialog's fields hold; the defaults are its design values.
struct StyleTextValues {
    QString text;
    QString filter = QStringLiteral("dropshadow");
    QString strength = QStringLiteral("1");
    QString colour = QStringLiteral("blue");
    QString width = QStringLiteral("0");
    QString height = QStringLiteral("0");
    QString fontSize = QStringLiteral("36");
};

// The text in a one-cell table under a filter, or for "wavy" in a sized
// block under the wave filter.
QString styleTextHtml(const StyleTextValues &values);

// The styled text dialog "styleText".
class StyleTextDialog : public DialogFrame
{
    Q_OBJECT

public:
    StyleTextDialog();
    void load() override;

    StyleTextValues values() const;

    QLineEdit *txtStyle = nullptr;
    QListWidget *listFilter = nullptr;
    QListWidget *listStrength = nullptr;
    QComboBox *cmbcolour = nullptr;
    QLineEdit *txtWidth = nullptr;
    QLineEdit *txtHeight = nullptr;
    QLineEdit *txtFontSize = nullptr;
    LivePreview *preview = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnHelp = nullptr;

private:
    void UpdateStylePreview();
    void onFilter();
    void onOK();
};
