#pragma once

#include "dialogs/dialogframe.h"
#include "dialogs/documentedit.h"

class QLabel;

// What the page properties dialog's fields hold.
struct PagePropsValues {
    QString bgColour;
    QString textColour;
    QString linkColour;
    QString aLinkColour;
    QString vLinkColour;
    QString source;
    bool watermark = false;
    bool removeImage = false;
};

// The attributes the dialog adds to the BODY start tag, each value quoted
// and each after a blank; a single blank when there are none.
QString bodyAttributes(const PagePropsValues &values);

// The page with those attributes right after its first "<body", in front of
// the tag's own; refused when the page has no body start tag.
DocumentEdit pagePropsEdit(const QString &text, const PagePropsValues &values);

// The page properties dialog "pageProps": colours and background of the
// composer's page.
class PagePropsDialog : public DialogFrame
{
    Q_OBJECT

public:
    PagePropsDialog();

    PagePropsValues values() const;

    QLineEdit *txtBGColour = nullptr;
    QLineEdit *txtTextColour = nullptr;
    QLineEdit *txtHLinkColour = nullptr;
    QLineEdit *txtALinkColour = nullptr;
    QLineEdit *txtVLinkColour = nullptr;
    QLabel *lblBGColour = nullptr;
    QLabel *lblTextColour = nullptr;
    QLabel *lblHLinkColour = nullptr;
    QLabel *lblALinkColour = nullptr;
    QLabel *lblVLinkColour = nullptr;
    QLineEdit *txtSource = nullptr;
    QPushButton *btnBrowse = nullptr;
    QCheckBox *chkWatermark = nullptr;
    QCheckBox *chkRemoveImage = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    CommonDialog ComDlg;  // the open-file dialog, remembering its last file

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QLabel *colourLabel(const char *name, const char *caption, QLineEdit *box);
    void markLabel(QLabel *label, bool hovered);
    void onOK();

    QList<QLabel *> m_labels;
};
