#include "platform/commondialog.h"

#include "platform/prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QStringList>

QString CommonDialog::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(u';', u' ');
        patterns = patterns.simplified();
        QString label = parts.at(i).trimmed();
        // A label that already shows its patterns shows them once.
        const qsizetype open = label.lastIndexOf(u'(');
        if (open >= 0 && label.endsWith(u')')) {
            QString shown = label.mid(open + 1, label.size() - open - 2);
            shown.replace(u';', u' ');
            if (shown.simplified() == patterns)
                label = label.left(open).trimmed();
        }
        out << label + QStringLiteral(" (") + patterns + u')';
    }
    return out.join(QStringLiteral(";;"));
}

namespace {

QString &lastFolder()
{
    static QString folder;
    return folder;
}

void remember(const QString &chosen)
{
    lastFolder() = QFileInfo(chosen).absolutePath();
}

} // namespace

QString CommonDialog::initialPath() const
{
    const QString folder = !InitDir.isEmpty() ? InitDir
                           : documentFolder   ? documentFolder()
                                              : QString();
    const QString start = folder.isEmpty() ? lastFolder() : folder;
    if (FileName.isEmpty())
        return start;
    // A bare name is offered in the folder the dialog starts in, not in the
    // program's working folder.
    if (QFileInfo(FileName).isAbsolute() || start.isEmpty())
        return FileName;
    return QDir(start).filePath(FileName);
}

bool CommonDialog::ShowOpen()
{
    const auto chosen = Prompter::instance().openFile(
        {DialogTitle, qtFilter(Filter), initialPath(), DefaultExt});
    if (!chosen)
        return false;
    FileName = *chosen;
    remember(FileName);
    return true;
}

bool CommonDialog::ShowSave()
{
    const auto chosen = Prompter::instance().saveFile(
        {DialogTitle, qtFilter(Filter), initialPath(), DefaultExt});
    if (!chosen)
        return false;
    FileName = *chosen;
    remember(FileName);
    if (!DefaultExt.isEmpty() && QFileInfo(FileName).suffix().isEmpty())
        FileName += u'.' + DefaultExt;
    return true;
}

bool CommonDialog::ShowColor()
{
    // Opens at the last colour chosen; before any, at the colour 0 that a
    // caller reads as no colour, so OK without a choice chooses nothing.
    const auto chosen = Prompter::instance().color(Color.isValid() ? Color : QColor(Qt::black));
    if (!chosen)
        return false;
    Color = *chosen;
    return true;
}

bool CommonDialog::ShowPrinter(QPrinter *printer)
{
    // Flag 1 presets the "Selection" choice.
    printer->setPrintRange((Flags & 1) ? QPrinter::Selection : QPrinter::AllPages);
    return Prompter::instance().printer(printer);
}

QPrinter *CommonDialog::printer()
{
    if (!m_printer)
        m_printer = std::make_shared<QPrinter>();
    return m_printer.get();
}

bool CommonDialog::ShowPageSetup()
{
    return Prompter::instance().pageSetup(printer());
}
