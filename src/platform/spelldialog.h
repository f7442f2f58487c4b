#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

// The question about one unknown word: the word in its context, the
// suggestions, and what to do with it. The dialog closes with the choice.
class SpellDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Action { Change, ChangeAll, Ignore, IgnoreAll, Cancel };

    explicit SpellDialog(QWidget *parent = nullptr);

    // Shows the word (at start, length characters into context) and its
    // suggestions; the first suggestion is proposed as the change.
    void ask(const QString &context, qsizetype start, qsizetype length,
             const QStringList &suggestions);

    Action action() const { return m_action; }
    QString changeTo() const;
    // Chooses an action as its button does.
    void choose(Action action);

    QLabel *lblWord = nullptr;
    QTextBrowser *txtContext = nullptr;
    QLineEdit *txtChangeTo = nullptr;
    QListWidget *lstSuggestions = nullptr;
    QPushButton *btnChange = nullptr;
    QPushButton *btnChangeAll = nullptr;
    QPushButton *btnIgnore = nullptr;
    QPushButton *btnIgnoreAll = nullptr;
    QPushButton *CancelButton = nullptr;

private:
    Action m_action = Action::Cancel;
};
