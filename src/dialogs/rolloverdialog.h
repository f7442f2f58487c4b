#pragma once

#include "dialogs/dialogframe.h"
#include "dialogs/documentedit.h"

// What the rollover dialog's fields hold.
struct RolloverValues {
    QString name;
    QString firstImage;
    QString secondImage;
    QString link;
};

// The four script functions a page with rollovers needs, once per page.
const QString &rolloverScript();

// The link around the image that swaps to the second image under the mouse.
QString rolloverLink(const RolloverValues &values);

// The message refusing values that lack a required field; nothing when
// they are complete.
std::optional<EditMessage> rolloverMissing(const RolloverValues &values);

// The page with the link at the caret, a head and body where it lacks them,
// the second image preloaded from the body's onload handler and the script
// after the head start tag; refused when a required field is empty or the
// page's body start tag or head is unfinished. Without a caret the link is
// already in the page (the composer puts it at its own caret).
DocumentEdit rolloverEdit(const QString &text, std::optional<qsizetype> caret,
                          const RolloverValues &values);

// The rollover images dialog "rollover"; it edits the page of the view
// showing.
class RolloverDialog : public DialogFrame
{
    Q_OBJECT

public:
    RolloverDialog();

    RolloverValues values() const;

    QLineEdit *txtName = nullptr;
    QLineEdit *txtFirstImage = nullptr;
    QPushButton *btnBrowseFirst = nullptr;
    QLineEdit *txtSecondImage = nullptr;
    QPushButton *btnBrowseSecond = nullptr;
    QLineEdit *txtLink = nullptr;
    QPushButton *insert = nullptr;
    CommonDialog comdlg;  // shared by both Browse buttons, so it remembers the last file

private:
    void browse(QLineEdit *field);
    void dropBlanks();
    void onInsert();
};
