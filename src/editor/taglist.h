#pragma once

#include <QStringList>
#include <QWidget>

#include <optional>

class QListWidget;
class QLineEdit;
class QPushButton;

// The source window's quick reference at the left: a search box, the list of
// tags (or CSS properties) and the HTML, CSS, Tables and Forms buttons.
namespace TagList {

// The list before either reference button is pressed.
const QStringList &initialEntries();

inline const QString idleText = QStringLiteral("Search Tag");

// The first entry that contains text in any case; -1 for none and while the
// box is idle.
qsizetype search(const QStringList &entries, const QString &text);

// HTML mode: the menu command a tag entry opens, or empty.
QString commandFor(const QString &entry);
// HTML mode: what replaces the selection sel; nothing for headings, blank
// entries and the entries that open a dialog.
std::optional<QString> htmlInsertion(const QString &entry, const QString &sel);
// CSS mode: an entry that starts with a lower-case letter or ":" replaces
// the selection.
std::optional<QString> cssInsertion(const QString &entry);

// Reads a reference file into lines; false when it is missing, holds
// 32,768 bytes or more, or cannot be read.
bool readLibrary(const QString &path, QStringList *lines, bool *cleared);

inline const QString libraryMessage = QStringLiteral(
    "Unable to perform requested action. Library file seems to have been moved or renamed");

} // namespace TagList

class SourceWindow;

class TagListPane : public QWidget
{
    Q_OBJECT

public:
    enum class Mode { Html, Css };

    explicit TagListPane(SourceWindow *window);

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);

    // Replaces the entries with the lines of the file, or says why it cannot.
    void LoadTagList(const QString &path);
    void InsertListTag();
    void InsertListCss();

    QLineEdit *txtSearchTag = nullptr;
    QListWidget *lstAllTags = nullptr;
    QPushButton *btnQBHtml = nullptr;
    QPushButton *btnQBCss = nullptr;
    QPushButton *btnQBTables = nullptr;
    QPushButton *btnQBForms = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pressReference(Mode mode);
    void popup(const QString &menuName);
    void onClick();
    void onDoubleClick();
    void onSearch(const QString &text);

    SourceWindow *m_window;
    Mode m_mode = Mode::Html;
};
