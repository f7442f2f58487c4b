#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>

#include <optional>

class QAction;
class QDialog;
class QMenu;
class QPrinter;

// Every modal question the program asks goes through the one Prompter, so a
// test can install a scripted one that checks each prompt and answers it.
class Prompter
{
public:
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
    enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

    // A file-dialog filter in Qt's form: "HTML Files (*.htm *.html);;All (*)".
    struct FileRequest {
        QString title;
        QString filter;
        QString initialPath;
        QString defaultSuffix;
    };

    virtual ~Prompter() = default;

    // defaultButton is the answer Enter gives; unset, the first button's.
    virtual Answer message(const QString &text, const QString &title, Icon icon,
                           Buttons buttons, std::optional<Answer> defaultButton = {}) = 0;
    // Cancel gives no value; OK gives the text, possibly empty.
    virtual std::optional<QString> input(const QString &prompt, const QString &title,
                                         const QString &defaultText) = 0;
    virtual std::optional<QString> openFile(const FileRequest &request) = 0;
    // Asks before replacing an existing file.
    virtual std::optional<QString> saveFile(const FileRequest &request) = 0;
    virtual std::optional<QColor> color(const QColor &initial) = 0;
    virtual std::optional<QFont> font(const QFont &initial) = 0;
    virtual bool printer(QPrinter *printer) = 0;
    virtual bool pageSetup(QPrinter *printer) = 0;
    // The chosen action, or nullptr when the menu was dismissed.
    virtual QAction *popupMenu(QMenu *menu, const QPoint &globalPos) = 0;
    // Runs a modal dialog of our own; true when it was accepted.
    virtual bool runDialog(QDialog *dialog) = 0;

    static Prompter &instance();
    // Replaces the prompter; nullptr restores the real one. Not owned.
    static void install(Prompter *prompter);

    // Shorthands for the two most common calls.
    static Answer ask(const QString &text, const QString &title, Icon icon, Buttons buttons,
                      std::optional<Answer> defaultButton = {})
    {
        return instance().message(text, title, icon, buttons, defaultButton);
    }
    static void tell(const QString &text, const QString &title, Icon icon)
    {
        instance().message(text, title, icon, Buttons::Ok);
    }
};

// The real dialogs.
class WidgetPrompter : public Prompter
{
public:
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
};
