#pragma once

#include "dialogs/dialogframe.h"

class QListWidget;
class QListWidgetItem;
class SourceArea;

// One element type of the console: the events it offers, the field dialog
// that writes its start tag and the option that dialog gets before it shows.
struct ConsoleElement {
    QString item;
    QStringList events;
    QString dialog;
    QString option;  // empty: no preset
};

// The twelve element types in the order the console lists them.
const QList<ConsoleElement> &consoleElements();

// The five actions in the order the console lists them.
const QStringList &consoleActions();

// The prompt of the action's first input box; empty for an action that asks
// nothing.
QString actionQuestion(const QString &action);

// A typed text made safe for a single-quoted script string that stands in a
// double-quoted attribute: escaped for the script, then for the attribute.
QString scriptString(const QString &typed);

// The handler attribute that action adds for event, built from the texts the
// user typed (escaped here); defaultText is read by "prompt" only.
QString handlerAttribute(const QString &action, const QString &event, const QString &typed,
                         const QString &defaultText = QString());

// The JavaScript console "JSConsole": an element's field dialog writes the
// start tag into the code box, the user adds event handlers to it, OK hands
// the element to the composer.
class JSConsole : public DialogFrame, public ConsoleCode
{
    Q_OBJECT

public:
    JSConsole();
    ~JSConsole() override;

    QString code() const override;
    void setCode(const QString &text) override;
    void setSelText(const QString &text) override;
    qsizetype selStart() const override;
    void select(qsizetype start, qsizetype length) override;
    void focusCode() override;

    QListWidget *theListOfItems = nullptr;
    QListWidget *theListOfEvents = nullptr;
    QListWidget *listToBeDone = nullptr;
    SourceArea *theCode = nullptr;
    QPushButton *btnIns = nullptr;
    QPushButton *btnok = nullptr;
    QPushButton *btnCancel = nullptr;

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void chooseElement(QListWidgetItem *item);
    void addHandler(QListWidgetItem *action);
    void onOk();
    void onInsertDifferent();
    // Field dialogs still writing into this console go with it, so that none
    // delivers into a console that is gone.
    void closeFieldDialogs();

    QStringList m_opened;  // the field dialogs this console opened
};
