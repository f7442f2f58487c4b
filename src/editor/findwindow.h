#pragma once

#include "platform/windowdirectory.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;

// Plain text search in the source text.
namespace TextSearch {

// Position of the first occurrence in the whole text; -1 when there is none
// or nothing to look for.
qsizetype findFirst(const QString &text, const QString &what, bool matchCase);
// Position of the first occurrence that starts after the selection start;
// the search does not wrap round.
qsizetype findNext(const QString &text, qsizetype selStart, const QString &what,
                   bool matchCase);

inline const QString finishedMessage =
    QStringLiteral("Quorl Vevevodi finished searching document");

} // namespace TextSearch

// "FindMe": finds a text in the source window's document; closes after each
// search, so Match Case starts unchecked at every opening.
class FindWindow : public QWidget, public LoadStep
{
    Q_OBJECT

public:
    explicit FindWindow(QWidget *parent = nullptr);

    void load() override;

    QLineEdit *txtFind = nullptr;
    QCheckBox *chkCase = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;

protected:
    // Closing the window unloads it, as Find and Close do.
    void closeEvent(QCloseEvent *event) override;

private:
    void onFind();
};

// The source window's Find Next, with Match Case read from an open FindMe.
void FindNext();
