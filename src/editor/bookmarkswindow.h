#pragma once

#include "platform/windowdirectory.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The "<a name" anchors of a text, in text order: each start tag as written
// and the name between its first two double quotes. The search starts at the
// second character and needs exactly "<a name" (any case); it ends at the
// first anchor without a ">" after it or without two double quotes in it,
// keeping what it found. The two lists always have the same length.
struct Anchors {
    QStringList names;
    QStringList addresses;
};
Anchors scanAnchors(const QString &text);

// Fills a window's "listBookMarks" and "listAddress" with the anchors,
// cleared first so the lists never repeat or drift apart.
void fillBookmarkLists(QWidget *window, const Anchors &anchors);

// "bookmarks": adds an anchor at the source window's caret, or selects the
// start tag of a listed one.
class BookmarksWindow : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    explicit BookmarksWindow(QWidget *parent = nullptr);

    void load() override;

    void add();
    void goTo();

    // The anchor Add inserts.
    static QString anchorFor(const QString &name);

    QLabel *lblAdd = nullptr;
    QLineEdit *txtBookmark = nullptr;
    QPushButton *btnAdd = nullptr;
    QListWidget *listBookMarks = nullptr;
    QListWidget *listAddress = nullptr;
    QPushButton *btnGo = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnHelp = nullptr;
    QString compOrEdit = QStringLiteral("edit");

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void unloadSelf();
};

// The source window's Bookmarks and Hyperlink commands.
void showBookmarks();
void showHyperlinkDialog();
