#pragma once

#include "dialogs/dialogframe.h"

class HtmlEditView;
class QGroupBox;

// What the navigation bar creator's 23 fields hold; the defaults are its
// design values.
struct NavValues {
    QString basicColour;
    QString basicBGColour = QStringLiteral("#F8F5E9");
    QString basicBorderColour;
    QString lColour;
    QString bgColour;
    QString linkColour;
    QString linkBorderType = QStringLiteral("outset");
    QString linkThickness = QStringLiteral("2");
    QString vColour;
    QString vBGColour;
    QString vLinkColour;
    QString linkVBorderType = QStringLiteral("solid");
    QString vLinkThickness = QStringLiteral("1");
    QString hColour;
    QString hBGColour = QStringLiteral("#FDFCD7");
    QString hLinkColour;
    QString linkHBorderType = QStringLiteral("inset");
    QString hLinkThickness = QStringLiteral("1");
    QString aColour;
    QString aBGColour;
    QString aLinkColour;
    QString linkABorderType = QStringLiteral("solid");
    QString aLinkThickness = QStringLiteral("1");
};

// The bar's style sheet with its placeholders, followed by a sample bar.
const QString &navTemplate();

// The template with every placeholder replaced by its field, as typed but
// for the thicknesses (borderThickness).
QString fillNavTemplate(const NavValues &values);

// The navigation bar creator's first window "NavMaker": the bar's look, with
// a live preview; Proceed hands the filled template to "NavListURLs".
class NavMaker : public DialogFrame
{
    Q_OBJECT

public:
    NavMaker();
    void load() override;

    NavValues values() const;
    void preview();

    QLineEdit *txtBasicColour = nullptr;
    QLineEdit *txtBasicBGColour = nullptr;
    QLineEdit *txtBasicBorderColour = nullptr;
    QLineEdit *txtLColour = nullptr;
    QLineEdit *txtBGColour = nullptr;
    QLineEdit *txtLinkColour = nullptr;
    QComboBox *cmbLinkBorderType = nullptr;
    QLineEdit *txtLinkThickness = nullptr;
    QLineEdit *txtVColour = nullptr;
    QLineEdit *txtVBGColour = nullptr;
    QLineEdit *txtVLinkColour = nullptr;
    QComboBox *cmbLinkVBorderType = nullptr;
    QLineEdit *txtVLinkThickness = nullptr;
    QLineEdit *txtHColour = nullptr;
    QLineEdit *txtHBGColour = nullptr;
    QLineEdit *txtHLinkColour = nullptr;
    QComboBox *cmbLinkHBorderType = nullptr;
    QLineEdit *txtHLinkThickness = nullptr;
    QLineEdit *txtAColour = nullptr;
    QLineEdit *txtABGColour = nullptr;
    QLineEdit *txtALinkColour = nullptr;
    QComboBox *cmbLinkABorderType = nullptr;
    QLineEdit *txtALinkThickness = nullptr;
    HtmlEditView *Result = nullptr;
    QPushButton *btnPreview = nullptr;
    QPushButton *btnProceed = nullptr;
    QPushButton *btnHelp = nullptr;

private:
    QLineEdit *colourRow(QGroupBox *frame, int row, const char *label, const QString &field,
                         const QString &button, const QString &text = QString());
    QGroupBox *linkFrame(const char *title, const char *prefix, QLineEdit **colour,
                         QLineEdit **bgColour, QLineEdit **borderColour, QComboBox **type,
                         QLineEdit **thickness, const NavValues &defaults);
    void proceed();
};
