#pragma once

#include "dialogs/dialogframe.h"

class LivePreview;
class QListWidget;

// What the marquee dialog's fields hold; the defaults are its design values.
struct MarqueeValues {
    QString text;
    QString behaviour = QStringLiteral("Scroll");
    QString direction = QStringLiteral("Left");
    QString scrollAmount;
    QString scrollDelay;
    QString width;
    bool percentage = false;
    QString height;
    QString hSpace;
    QString vSpace;
    QString colour;
    QString loop = QStringLiteral("-1");
};

// The MARQUEE element, for the preview and the insertion alike.
QString marqueeHtml(const MarqueeValues &values);

// The marquee dialog "marquee".
class MarqueeDialog : public DialogFrame
{
    Q_OBJECT

public:
    MarqueeDialog();
    void load() override;

    MarqueeValues values() const;

    QLineEdit *txtMarquee = nullptr;
    QListWidget *listBehaviour = nullptr;
    QComboBox *cmbDirection = nullptr;
    QLineEdit *txtScrollAmount = nullptr;
    QLineEdit *txtScrollDelay = nullptr;
    QLineEdit *txtLoop = nullptr;
    QWidget *updownLoop = nullptr;
    QLineEdit *txtWidth = nullptr;
    QCheckBox *chkPercentage = nullptr;
    QLineEdit *txtHeight = nullptr;
    QLineEdit *txtHSpace = nullptr;
    QLineEdit *txtVSpace = nullptr;
    QLineEdit *txtColour = nullptr;
    QPushButton *btnShowPalette = nullptr;
    LivePreview *preview = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnHelp = nullptr;

private:
    void getPreview();
    void onOK();
};
