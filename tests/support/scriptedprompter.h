#pragma once

#include "platform/prompter.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <variant>

// A prompter for tests: each expected prompt is scripted with what it must
// say and the answer to give. A prompt that was not expected, or that differs
// from the script, fails the running test.
class ScriptedPrompter : public Prompter
{
public:
    // An empty text or title in a step is not checked; the test can look at
    // shownMessages() instead.
    struct Message {
        QString text;
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        Answer answer = Answer::Ok;
        std::optional<Answer> defaultButton = {};  // checked only when scripted
    };
    struct Input {
        QString prompt;
        QString title;
        std::optional<QString> answer;
    };
    struct OpenFile {
        QString title;
        std::optional<QString> answer;
    };
    struct SaveFile {
        QString title;
        std::optional<QString> answer;
    };
    struct Color {
        std::optional<QColor> answer;
        // OK without a choice: the colour the dialog opened at.
        bool asOpened = false;
    };
    struct Font {
        std::optional<QFont> answer;
    };
    struct Printer {
        bool answer = false;
        // Sets what the user chose in the dialog (output file, range).
        std::function<void(QPrinter *)> fill = {};
    };
    struct Popup {
        QString chosenText; // empty: dismissed
    };
    // A modal dialog of ours: fill sets its fields, then it is accepted or not.
    struct Dialog {
        QString objectName;
        std::function<void(QDialog *)> fill;
        bool accept = true;
    };
    using Step = std::variant<Message, Input, OpenFile, SaveFile, Color, Font, Printer, Popup,
                              Dialog>;

    ScriptedPrompter();  // installs itself
    ~ScriptedPrompter() override;  // restores the real prompter; fails on unused steps

    ScriptedPrompter &expect(Step step);
    bool allAnswered() const { return m_steps.isEmpty(); }
    QStringList failures() const { return m_failures; }
    // Every message shown, in order, for tests that only look afterwards.
    QStringList shownMessages() const { return m_shown; }
    // The last file request seen, for checking filters and suffixes.
    FileRequest lastFileRequest() const { return m_lastFile; }

    Answer message(const QString &text, const QString &title, Icon icon, Buttons buttons,
                   std::optional<Answer> defaultButton = {}) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;
    std::optional<QString> openFile(const FileRequest &request) override;
    std::optional<QString> saveFile(const FileRequest &request) override;
    std::optional<QColor> color(const QColor &initial) override;
    std::optional<QFont> font(const QFont &initial) override;
    bool printer(QPrinter *printer) override;
    bool pageSetup(QPrinter *printer) override;
    QAction *popupMenu(QMenu *menu, const QPoint &globalPos) override;
    bool runDialog(QDialog *dialog) override;

private:
    template <class T>
    std::optional<T> next(const char *kind, const QString &detail);
    void fail(const QString &why);

    QList<Step> m_steps;
    QStringList m_failures;
    QStringList m_shown;
    FileRequest m_lastFile;
};

// Checks at the end of a test that the script was used up without surprises.
#define QV_VERIFY_PROMPTS(p)                                                   \
    do {                                                                       \
        QVERIFY2((p).failures().isEmpty(), qPrintable((p).failures().join('\n'))); \
        QVERIFY2((p).allAnswered(), "a scripted prompt was never shown");      \
    } while (false)
