#pragma once

#include "dialogs/dialogframe.h"

#include <optional>

// What the image dialog's fields hold; the defaults are its design values.
struct ImageValues {
    QString source;
    QString alt;
    QString align = QStringLiteral("Left");
    QString border = QStringLiteral("0");
    bool dimensions = false;
    QString width;
    QString height;
    bool widthPercent = false;
    bool heightPercent = false;
    QString hspace = QStringLiteral("0");
    QString vspace = QStringLiteral("0");
};

// The IMG element; for the console its start tag is left open with a blank.
// Nothing when dimensions are asked for without both of them.
std::optional<QString> imageHtml(const ImageValues &values, bool console);

// The image dialog "frmImage".
class ImageDialog : public DialogFrame
{
    Q_OBJECT

public:
    ImageDialog();

    ImageValues values() const;

    QLineEdit *txtSource = nullptr;
    QPushButton *btnSource = nullptr;
    QLineEdit *txtAlt = nullptr;
    QComboBox *cmbAlign = nullptr;
    QLineEdit *txtBorder = nullptr;
    QCheckBox *chkDimensions = nullptr;
    QLineEdit *txtWidth = nullptr;
    QLineEdit *txtHeight = nullptr;
    QCheckBox *chkWPercentage = nullptr;
    QCheckBox *chkHPercentage = nullptr;
    QLineEdit *txtHSpace = nullptr;
    QLineEdit *txtVSpace = nullptr;
    QPushButton *btnInsert = nullptr;
    QPushButton *btnClose = nullptr;
    QPushButton *btnHelp = nullptr;
    CommonDialog comdlg;

private:
    void onSource();
    void onInsert();
    // Says what is wrong and gives the dialog back to the user.
    void refuse(const QString &message, QWidget *focus);
};
