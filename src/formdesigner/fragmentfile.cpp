#include "formdesigner/fragmentfile.h"

#include "platform/commondialog.h"
#include "platform/prompter.h"
#include "platform/textfiles.h"

#include <QRegularExpression>

namespace FragmentFile {

QString bodyText(const QString &html)
{
    static const QRegularExpression open(QStringLiteral("<body(\\s[^>]*)?>"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch found = open.match(html);
    const qsizetype start = found.hasMatch() ? found.capturedEnd() : 0;
    qsizetype end = html.lastIndexOf(QLatin1String("</body>"), -1, Qt::CaseInsensitive);
    if (end < start)
        end = html.size();
    return html.mid(start, end - start);
}

bool write(const QString &path, const QString &body, QString *error,
           const TextFiles::Format &format)
{
    const QString text = format.finalLineEnd ? body + QStringLiteral("\r\n") : body;
    return TextFiles::write(path, text, error, format);
}

std::optional<QString> read(const QString &path, QString *error, TextFiles::Format *format)
{
    QString text;
    if (!TextFiles::read(path, &text, error, format))
        return std::nullopt;
    // The line end write() put after the body is no part of it; kept, every
    // load and save would add one more.
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    else if (text.endsWith(u'\n') || text.endsWith(u'\r'))
        text.chop(1);
    return text;
}

namespace {

void tellFailure(const QString &failure, const QString &path, const QString &why,
                 const QString &title)
{
    Prompter::tell(QStringLiteral("%1 \"%2\": %3").arg(failure, path, why), title,
                   Prompter::Icon::Exclamation);
}

// The extension of a one-pattern filter ("Layouts (*.lyt)|*.lyt": "lyt").
QString extensionOf(const QString &filter)
{
    return filter.section(QStringLiteral("*."), -1);
}

} // namespace

std::optional<QString> open(CommonDialog &dialog, const QString &filter,
                            const QString &failure, const QString &title,
                            TextFiles::Format *format)
{
    dialog.FileName.clear();
    dialog.Filter = filter;
    // A name typed without extension is looked for with the filter's, as
    // save gives it.
    dialog.DefaultExt = extensionOf(filter);
    if (!dialog.ShowOpen() || dialog.FileName.isEmpty())
        return std::nullopt;
    QString why;
    const auto text = FragmentFile::read(dialog.FileName, &why, format);
    if (!text)
        tellFailure(failure, dialog.FileName, why, title);
    return text;
}

void save(CommonDialog &dialog, const QString &filter, const QString &body,
          const QString &failure, const QString &title, const TextFiles::Format &format)
{
    dialog.FileName.clear();
    dialog.Filter = filter;
    // A name typed without extension gets the filter's own, or the open
    // dialog, which shows only such files, could never find it again.
    dialog.DefaultExt = extensionOf(filter);
    if (!dialog.ShowSave() || dialog.FileName.isEmpty())
        return;
    QString why;
    if (!FragmentFile::write(dialog.FileName, body, &why, format))
        tellFailure(failure, dialog.FileName, why, title);
}

} // namespace FragmentFile
