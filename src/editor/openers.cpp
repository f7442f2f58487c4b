#include "editor/openers.h"

#include "platform/htmleditview.h"
#include "platform/windowdirectory.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>

namespace Openers {

namespace {

// The markup a text box stands for, and the text it showed when given it.
const char *const kMarkup = "qvSelectionMarkup";
const char *const kShown = "qvSelectionShown";

void keepMarkup(QLineEdit *box, const QString &html)
{
    box->setProperty(kMarkup, html.isNull() ? QVariant() : QVariant(html));
    box->setProperty(kShown, html.isNull() ? QVariant() : QVariant(box->text()));
}

bool presetsSelection(const Opener &opener)
{
    return std::any_of(opener.presets.cbegin(), opener.presets.cend(),
                       [](const Preset &p) { return p.value.toString() == selection; });
}

// The markup while the box shows the text it was given with it, else null.
QString markupOf(const QLineEdit *box)
{
    const QVariant html = box->property(kMarkup);
    if (html.isValid() && box->text() == box->property(kShown).toString())
        return html.toString();
    return QString();
}

} // namespace

QString content(const QLineEdit *box)
{
    const QString html = markupOf(box);
    return html.isNull() ? box->text() : html;
}

void carry(const QLineEdit *from, QLineEdit *to)
{
    to->setText(from->text());
    keepMarkup(to, markupOf(from));
}

bool available(const Opener &opener)
{
    return WindowDirectory::isRegistered(opener.dialog)
           && (opener.shows.isEmpty() || WindowDirectory::isRegistered(opener.shows));
}

bool write(QWidget *window, const QString &field, const QVariant &value)
{
    if (field == u"Caption") {
        window->setWindowTitle(value.toString());
        return true;
    }
    const qsizetype dot = field.indexOf(u'.');
    const QString name = dot < 0 ? field : field.left(dot);
    const QString member = dot < 0 ? QString() : field.mid(dot + 1);

    if (member.isEmpty() && window->metaObject()->indexOfProperty(qPrintable(name)) >= 0)
        return window->setProperty(qPrintable(name), value);

    QWidget *control = window->findChild<QWidget *>(name);
    if (!control)
        return false;
    if (member == u"Enabled") {
        control->setEnabled(value.toBool());
        return true;
    }
    if (member == u"ListIndex") {
        if (auto *list = qobject_cast<QListWidget *>(control))
            list->setCurrentRow(value.toInt());
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            combo->setCurrentIndex(value.toInt());
        else
            return false;
        return true;
    }
    if (!member.isEmpty())
        return false;
    if (auto *line = qobject_cast<QLineEdit *>(control)) {
        line->setText(value.toString());
        keepMarkup(line, QString());  // a text of its own stands for itself
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
        plain->setPlainText(value.toString());
    else if (auto *rich = qobject_cast<QTextEdit *>(control))
        rich->setPlainText(value.toString());
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setChecked(value.toBool());
    else if (auto *view = qobject_cast<HtmlEditView *>(control))
        view->setDocumentHtml(value.toString());
    else
        return false;
    return true;
}

void bindAll(QWidget *window, const QList<QPair<QString, Opener>> &table,
             const std::function<Selection()> &selection)
{
    for (const auto &[itemName, opener] : table) {
        QAction *action = window->findChild<QAction *>(itemName);
        Q_ASSERT_X(action, "Openers::bindAll", qPrintable(itemName));
        if (!action || !available(opener))
            continue;
        action->setEnabled(true);
        const bool reads = presetsSelection(opener);
        QObject::connect(action, &QAction::triggered, window, [opener, selection, reads] {
            open(opener, reads && selection ? selection() : Selection());
        });
    }
}

void showWindow(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void open(const Opener &opener, const Selection &selected)
{
    QWidget *dialog = WindowDirectory::touch(opener.dialog);
    if (!dialog)
        return;
    for (const Preset &preset : opener.presets) {
        const bool isSelection = preset.value.toString() == selection;
        const QVariant value = isSelection ? QVariant(selected.text) : preset.value;
        if (!write(dialog, preset.field, value))
            qWarning("%s has no field %s", qPrintable(opener.dialog), qPrintable(preset.field));
        else if (auto *box = dialog->findChild<QLineEdit *>(preset.field); box && isSelection)
            keepMarkup(box, selected.html);
    }
    QWidget *shown = opener.shows.isEmpty() ? dialog : WindowDirectory::touch(opener.shows);
    if (shown)
        showWindow(shown);
}

} // namespace Openers
