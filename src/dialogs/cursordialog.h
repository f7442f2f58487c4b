#pragma once

#include "dialogs/dialogframe.h"

class QLabel;
class QMenu;
class QPlainTextEdit;
class QToolButton;

// A SPAN giving text the mouse pointer cursor; without text, a placeholder
// comment stands where the text goes.
QString cursorSpan(const QString &cursor, const QString &text);

// The cursor properties dialog "CursorArrow"; it inserts into the source
// window only.
class CursorDialog : public DialogFrame
{
    Q_OBJECT
    // The opener writes the source selection here: it becomes the text the
    // choices wrap, so a later opening never wraps an older selection.
    Q_PROPERTY(QString txtCode READ code WRITE setSelection)

public:
    CursorDialog();

    QString code() const;
    void setSelection(const QString &text);
    // Writes the code for a cursor value, as a picture or a menu entry does.
    void choose(const QString &cursor);

    QString selectedText;
    QPlainTextEdit *txtCode = nullptr;
    QToolButton *picCrossHair = nullptr;
    QToolButton *picHand = nullptr;
    QToolButton *picHelp = nullptr;
    QToolButton *picHourGlass = nullptr;
    QToolButton *picMove = nullptr;
    QPushButton *btnMore = nullptr;
    QMenu *mnuArrows = nullptr;
    QLabel *lblDesc = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnExample = nullptr;
    QPushButton *btnHelp = nullptr;

private:
    QToolButton *picture(const char *name, const char *tip, Qt::CursorShape shape,
                         const char *themeIcon, const char *cursor);
    void onOK();
    void showExample();

    QString m_cursor;  // the value last chosen, empty before a choice
};
