#include "dialogs/dialogframe.h"

#include "dialogs/colourbutton.h"
#include "dialogs/fieldnames.h"
#include "dialogs/numberfield.h"
#include "editor/openers.h"
#include "editor/optfunctions.h"
#include "platform/prompter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>

namespace {

// The dialogs that keep themselves above all other windows.
bool topmostOnLoad(const QString &dialog)
{
    static const QSet<QString> names = {
        "frmrow", "rule", "highlight", "heading", "visTbl", "frmFont", "hyperlinks", "target",
        "mail", "bullets", "frmImage", "loading", "rollover", "styleText", "marquee",
        "ListURLs", "CursorArrow", "MetaGen", "JSConsole", "formTextArea", "formButton",
        "formRadChk", "formFile", "formList", "formFieldset", "formForm", "formHidden",
        "BMBoxProps", "toolplugin", "styleSheetWiz"};
    return names.contains(dialog);
}

} // namespace

DialogFrame::DialogFrame(const QString &name, const QString &caption)
{
    setObjectName(name);
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    if (!InsertRoute::hasPolicy(name))
        qWarning("Dialog %s has no routes of its own", qPrintable(name));
}

void DialogFrame::load()
{
    nameFieldsByLabels(this);
    if (topmostOnLoad(objectName()))
        MakeTopmost(this);
}

InsertRoute::Route DialogFrame::route() const
{
    return InsertRoute::pick(InsertRoute::policyOf(objectName()), compOrEdit);
}

InsertRoute::Route DialogFrame::deliveryRoute() const
{
    using namespace InsertRoute;
    return visibleRoute(route(), sourceShowing(), composerShowing());
}

QString DialogFrame::textIn(InsertRoute::Route delivery, const QString &given) const
{
    using InsertRoute::Route;
    if (delivery == route())
        return given;
    // The composer's selection goes in as the dialog shows it, in place of
    // that text where the source holds it, else at the source caret.
    if (delivery == Route::Source && route() == Route::Composer && !given.isEmpty()) {
        InsertRoute::selectInSource(given);
        return given;
    }
    return InsertRoute::selectionIn(delivery);
}

QString DialogFrame::presetIn(InsertRoute::Route delivery, const QLineEdit *field) const
{
    return field->isModified() ? field->text() : textIn(delivery, Openers::content(field));
}

QString DialogFrame::targetIn(InsertRoute::Route delivery) const
{
    using InsertRoute::Route;
    if (delivery == route())
        return compOrEdit;
    switch (delivery) {
    case Route::Source:
        return QStringLiteral("edit");
    case Route::Composer:
        return QStringLiteral("comp");
    case Route::Console:
        return QStringLiteral("jsc");
    case Route::Nothing:
        break;
    }
    return compOrEdit;
}

bool DialogFrame::InsertHtml(const QString &html)
{
    return deliver(route(), html);
}

bool DialogFrame::deliver(InsertRoute::Route route, const QString &html)
{
    return InsertRoute::deliver(objectName(), route, html);
}

void DialogFrame::unload()
{
    if (WindowDirectory::loaded(objectName()) == this)
        WindowDirectory::unload(objectName());
    else
        close();
}

void DialogFrame::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (WindowDirectory::loaded(objectName()) == this)
        WindowDirectory::unload(objectName());
}

template <class T>
T *DialogFrame::named(T *control, const QString &name)
{
    control->setObjectName(name);
    return control;
}

QLineEdit *DialogFrame::textField(const QString &name, const QString &text)
{
    return named(new QLineEdit(text, this), name);
}

QLineEdit *DialogFrame::numberField(const QString &name, const QString &text)
{
    QLineEdit *field = textField(name, text);
    bindNumericField(field);
    m_numberFields.append(field);
    return field;
}

void DialogFrame::onConfirm(QPushButton *button, const std::function<void()> &confirm)
{
    connect(button, &QPushButton::clicked, this, [this, confirm] {
        if (numbersComplete())
            confirm();
    });
}

bool DialogFrame::numbersComplete()
{
    for (QLineEdit *field : std::as_const(m_numberFields)) {
        const QString text = field->text();
        if (CheckNumericComplete(text) != text) {
            field->clear();
            field->setFocus();
            return false;
        }
    }
    return true;
}

QCheckBox *DialogFrame::checkBox(const QString &name, const QString &caption, bool ticked)
{
    auto *box = named(new QCheckBox(caption, this), name);
    box->setChecked(ticked);
    return box;
}

QRadioButton *DialogFrame::optionButton(const QString &name, const QString &caption,
                                        bool selected)
{
    auto *option = named(new QRadioButton(caption, this), name);
    option->setChecked(selected);
    return option;
}

QComboBox *DialogFrame::comboBox(const QString &name, const QStringList &items, bool editable,
                                 const QString &text)
{
    auto *combo = named(new QComboBox(this), name);
    combo->setEditable(editable);
    combo->addItems(items);
    if (editable)
        combo->setEditText(text);
    else
        combo->setCurrentIndex(items.indexOf(text));
    return combo;
}

QPushButton *DialogFrame::button(const QString &name, const QString &caption)
{
    auto *b = named(new QPushButton(caption, this), name);
    b->setAutoDefault(false);
    return b;
}

QPushButton *DialogFrame::cancelButton()
{
    QPushButton *b = button(QStringLiteral("CancelButton"), QStringLiteral("Cancel"));
    connect(b, &QPushButton::clicked, this, &DialogFrame::unload);
    return b;
}

QPushButton *DialogFrame::helpButton(const QString &page)
{
    QPushButton *b = button(QStringLiteral("btnHelp"), QStringLiteral("Help"));
    connect(b, &QPushButton::clicked, this, [page] { ShowHelpPage(page); });
    return b;
}

void DialogFrame::pickColourBox(QLineEdit *box)
{
    ColourButton::fillBox(m_colours, box);
}

void DialogFrame::pickColourText(QWidget *field)
{
    ColourButton::fillText(m_colours, field);
}

QPushButton *DialogFrame::colourBoxButton(const QString &name, QLineEdit *box,
                                          const QString &caption)
{
    QPushButton *b = button(name, caption);
    connect(b, &QPushButton::clicked, this, [this, box] { pickColourBox(box); });
    return b;
}

QPushButton *DialogFrame::colourTextButton(const QString &name, QWidget *field,
                                           const QString &caption)
{
    QPushButton *b = button(name, caption);
    connect(b, &QPushButton::clicked, this, [this, field] { pickColourText(field); });
    return b;
}

QWidget *DialogFrame::spinner(const QString &name, QLineEdit *field, int floor)
{
    return makeSpinner(this, name, field, floor);
}

void DialogFrame::addButtonRow(QBoxLayout *layout, const QList<QWidget *> &right,
                               const QList<QWidget *> &left)
{
    auto *row = new QHBoxLayout;
    for (QWidget *w : left)
        row->addWidget(w);
    row->addStretch();
    for (QWidget *w : right)
        row->addWidget(w);
    layout->addLayout(row);
}
