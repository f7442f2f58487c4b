#pragma once

#include "dialogs/dialogframe.h"

#include <optional>

class QGroupBox;
class QListWidget;

// What the hyperlink dialog's fields hold. The XFN words of the option
// groups are empty for None.
struct HyperlinkValues {
    QString link;
    QString text;
    QString screenTip;
    bool noUnderline = false;
    bool me = false;  // another address of mine: overrides every other XFN value
    QString friendship;    // "friend", "acquaintance", "contact"
    bool met = false;
    bool colleague = false;
    bool coworker = false;
    QString geographical;  // "co-resident", "neighbor"
    QString family;        // "child", "parent", "sibling", "spouse", "kin"
    bool muse = false;
    bool crush = false;
    bool date = false;
    bool sweetheart = false;
    QString target;        // the target window's attribute text
};

// The A element and the index of the ">" that closes its start tag. For the
// console the start tag ends in " >", so the console can continue it.
struct LinkElement {
    QString html;
    qsizetype tagEnd = -1;
};

// Nothing when the link is empty.
std::optional<LinkElement> hyperlinkElement(const HyperlinkValues &values, bool console);

// The hyperlink dialog "hyperlinks", with its bookmark panel and its XFN
// relationship groups.
class HyperlinkDialog : public DialogFrame
{
    Q_OBJECT

public:
    HyperlinkDialog();
    ~HyperlinkDialog() override;

    HyperlinkValues values() const;

    QLineEdit *txtLink = nullptr;
    QLineEdit *txtTextToDisp = nullptr;
    QLineEdit *txtScreentip = nullptr;
    QCheckBox *chkNoUnderline = nullptr;
    QWidget *fraBookMarks = nullptr;
    QListWidget *listBookMarks = nullptr;  // anchor names, filled by the source window
    QListWidget *listAddress = nullptr;    // their start tags, not shown
    QWidget *fraXfn = nullptr;
    QCheckBox *anotherLoc = nullptr;
    QRadioButton *frndFrnd = nullptr;
    QRadioButton *frndAcq = nullptr;
    QRadioButton *frndContact = nullptr;
    QRadioButton *frndNone = nullptr;
    QCheckBox *Met = nullptr;
    QCheckBox *profCol = nullptr;
    QCheckBox *profCow = nullptr;
    QRadioButton *geoCoresident = nullptr;
    QRadioButton *geoNeighbour = nullptr;
    QRadioButton *geonone = nullptr;
    QRadioButton *famChild = nullptr;
    QRadioButton *famparent = nullptr;
    QRadioButton *famSibling = nullptr;
    QRadioButton *famSpouse = nullptr;
    QRadioButton *famKin = nullptr;
    QRadioButton *famNone = nullptr;
    QCheckBox *RomMuse = nullptr;
    QCheckBox *RomCrush = nullptr;
    QCheckBox *RomDate = nullptr;
    QCheckBox *RomSweetheart = nullptr;
    QPushButton *btnInsert = nullptr;
    QPushButton *btnMail = nullptr;
    QPushButton *btnTarget = nullptr;
    QPushButton *btnBookMarks = nullptr;
    QPushButton *btnAdvanced = nullptr;

protected:
    void hideEvent(QHideEvent *event) override;

private:
    QWidget *buildMainFrame();
    QWidget *buildBookmarkFrame();
    QWidget *buildXfnFrame();
    // Shows or hides the panels; the window grows to the left, so the main
    // panel stays where it was, as far as the screen allows.
    void showPanels(bool bookmarks, bool xfn);
    void onInsert();
    void onMail();

    QList<QWidget *> m_xfn;  // every control that anotherLoc switches off
    int m_shiftedLeft = 0;   // how far the panels moved the window left
};
