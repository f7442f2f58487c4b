#include "platform/prompter.h"

#include "platform/filedialog.h"
#include "platform/plaintext.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace {

Prompter *g_installed = nullptr;

QMessageBox::StandardButtons toStandard(Prompter::Buttons buttons)
{
    switch (buttons) {
    case Prompter::Buttons::Ok: return QMessageBox::Ok;
    case Prompter::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompter::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Prompter::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Prompter::Buttons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    case Prompter::Buttons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon toIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::None: return QMessageBox::NoIcon;
    case Prompter::Icon::Critical: return QMessageBox::Critical;
    case Prompter::Icon::Question: return QMessageBox::Question;
    case Prompter::Icon::Exclamation: return QMessageBox::Warning;
    case Prompter::Icon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toStandard(Prompter::Answer answer)
{
    switch (answer) {
    case Prompter::Answer::Ok: return QMessageBox::Ok;
    case Prompter::Answer::Cancel: return QMessageBox::Cancel;
    case Prompter::Answer::Yes: return QMessageBox::Yes;
    case Prompter::Answer::No: return QMessageBox::No;
    case Prompter::Answer::Retry: return QMessageBox::Retry;
    case Prompter::Answer::Abort: return QMessageBox::Abort;
    case Prompter::Answer::Ignore: return QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

Prompter::Answer fromStandard(int button)
{
    switch (button) {
    case QMessageBox::Yes: return Prompter::Answer::Yes;
    case QMessageBox::No: return Prompter::Answer::No;
    case QMessageBox::Retry: return Prompter::Answer::Retry;
    case QMessageBox::Abort: return Prompter::Answer::Abort;
    case QMessageBox::Ignore: return Prompter::Answer::Ignore;
    case QMessageBox::Ok: return Prompter::Answer::Ok;
    default: return Prompter::Answer::Cancel;
    }
}

QWidget *activeParent()
{
    return QApplication::activeWindow();
}

} // namespace

Prompter &Prompter::instance()
{
    static WidgetPrompter real;
    return g_installed ? *g_installed : real;
}

void Prompter::install(Prompter *prompter)
{
    g_installed = prompter;
}

Prompter::Answer WidgetPrompter::message(const QString &text, const QString &title, Icon icon,
                                         Buttons buttons, std::optional<Answer> defaultButton)
{
    QMessageBox box(toIcon(icon), title, text, toStandard(buttons), activeParent());
    // Messages quote tags ("<head> </head>"); shown as rich text they would vanish.
    box.setTextFormat(Qt::PlainText);
    if (defaultButton)
        box.setDefaultButton(toStandard(*defaultButton));
    return fromStandard(box.exec());
}

std::optional<QString> WidgetPrompter::input(const QString &prompt, const QString &title,
                                             const QString &defaultText)
{
    QInputDialog dialog(activeParent());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    for (QLabel *label : dialog.findChildren<QLabel *>())
        PlainText::keep(label);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> WidgetPrompter::openFile(const FileRequest &request)
{
    return FileDialogs::run(*FileDialogs::create(request, QFileDialog::AcceptOpen,
                                                 activeParent()));
}

std::optional<QString> WidgetPrompter::saveFile(const FileRequest &request)
{
    return FileDialogs::run(*FileDialogs::create(request, QFileDialog::AcceptSave,
                                                 activeParent()));
}

std::optional<QColor> WidgetPrompter::color(const QColor &initial)
{
    const QColor chosen = QColorDialog::getColor(initial, activeParent());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> WidgetPrompter::font(const QFont &initial)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, activeParent());
    if (!ok)
        return std::nullopt;
    return chosen;
}

bool WidgetPrompter::printer(QPrinter *printer)
{
    QPrintDialog dialog(printer, activeParent());
    dialog.setOption(QAbstractPrintDialog::PrintSelection,
                     printer->printRange() == QPrinter::Selection);
    return dialog.exec() == QDialog::Accepted;
}

bool WidgetPrompter::pageSetup(QPrinter *printer)
{
    QPageSetupDialog dialog(printer, activeParent());
    return dialog.exec() == QDialog::Accepted;
}

QAction *WidgetPrompter::popupMenu(QMenu *menu, const QPoint &globalPos)
{
    return menu->exec(globalPos);
}

bool WidgetPrompter::runDialog(QDialog *dialog)
{
    return dialog->exec() == QDialog::Accepted;
}
