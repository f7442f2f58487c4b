#pragma once

#include "dialogs/insertroute.h"
#include "platform/commondialog.h"
#include "platform/windowdirectory.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What every element dialog shares: the target field its opener writes, the
// delivery of the built HTML by that target, and the controls that behave
// alike in all of them. A dialog adds its fields, a pure function that
// builds its HTML from their values, and an OK handler that delivers it.
class DialogFrame : public QWidget, public LoadStep
{
    Q_OBJECT
    Q_PROPERTY(QString compOrEdit MEMBER compOrEdit)

public:
    // name is the window's registered name; it selects the dialog's routes
    // and whether it makes itself topmost on load.
    DialogFrame(const QString &name, const QString &caption);

    void load() override;

    // The insertion target: "edit", "comp", "jsc", or empty when no opener
    // wrote it.
    QString compOrEdit;

    // Delivers html to the window the target names, by this dialog's routes.
    // False when it was refused (and said so): the dialog then stays open.
    bool InsertHtml(const QString &html);
    // Delivers html by route, or by the other main window when that one is
    // hidden and the other shows. HTML that cannot stand in the composer's
    // page is refused there with a message.
    bool deliver(InsertRoute::Route route, const QString &html);
    // Where InsertHtml sends the text now.
    InsertRoute::Route deliveryRoute() const;
    // What the opener handed over holds only in the view the target names.
    // When a delivery goes into the other view, a dialog reads that view
    // instead, at confirmation: textIn gives given, or the selection of the
    // view delivered into; targetIn gives compOrEdit, or the target that
    // names the view delivered into.
    QString textIn(InsertRoute::Route delivery, const QString &given) const;
    QString targetIn(InsertRoute::Route delivery) const;
    // A field the opener preset with its selection, read for a delivery:
    // what the user typed there stays, an untouched preset goes by textIn.
    QString presetIn(InsertRoute::Route delivery, const QLineEdit *field) const;
    // Closes and destroys the window; the next opening starts afresh.
    void unload();

    InsertRoute::Route route() const;

protected:
    QLineEdit *textField(const QString &name, const QString &text = QString());
    // Checked on every change: a text that is not a number is refused and
    // the field emptied.
    QLineEdit *numberField(const QString &name, const QString &text = QString());
    QCheckBox *checkBox(const QString &name, const QString &caption, bool ticked = false);
    QRadioButton *optionButton(const QString &name, const QString &caption,
                               bool selected = false);
    // An editable combo shows text; a list combo starts with no choice.
    QComboBox *comboBox(const QString &name, const QStringList &items, bool editable,
                        const QString &text = QString());
    QPushButton *button(const QString &name, const QString &caption);
    // CancelButton, closing the dialog without effect.
    QPushButton *cancelButton();
    // btnHelp, showing page from the program's help pages.
    QPushButton *helpButton(const QString &page);
    // The two forms of colour button (see ColourButton), and the same for
    // boxes that are opened some other way.
    QPushButton *colourBoxButton(const QString &name, QLineEdit *box,
                                 const QString &caption = QStringLiteral("..."));
    QPushButton *colourTextButton(const QString &name, QWidget *field,
                                  const QString &caption = QStringLiteral("..."));
    void pickColourBox(QLineEdit *box);
    void pickColourText(QWidget *field);
    // Up-down arrows beside field; Down stops at floor.
    QWidget *spinner(const QString &name, QLineEdit *field, int floor = 0);
    // A click of button runs confirm once every number field is empty or
    // holds a whole number; a number only begun ("-", ".", "1e") is emptied
    // after the numeric message, and nothing is built.
    void onConfirm(QPushButton *button, const std::function<void()> &confirm);
    // The dialog's row of buttons below layout: left ones, a gap, right ones.
    void addButtonRow(QBoxLayout *layout, const QList<QWidget *> &right,
                      const QList<QWidget *> &left = {});

    void closeEvent(QCloseEvent *event) override;

private:
    template <class T>
    T *named(T *control, const QString &name);
    bool numbersComplete();

    CommonDialog m_colours;  // the dialog's own colour dialog, remembering its last colour
    QList<QLineEdit *> m_numberFields;
};
