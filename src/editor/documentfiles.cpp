#include "editor/documentfiles.h"

#include "editor/documentstate.h"
#include "platform/prompter.h"
#include "platform/textfiles.h"

#include <QDir>

namespace DocumentFiles {

namespace {

void report(const QString &what, const QString &path, const QString &reason)
{
    Prompter::tell(what.arg(QDir::toNativeSeparators(path)) + QStringLiteral("\r\n") + reason,
                   QStringLiteral("Assistant: Quorl"), Prompter::Icon::Critical);
}

} // namespace

void reportOpenFailure(const QString &path, const QString &reason)
{
    report(QStringLiteral("Unable to open %1"), path, reason);
}

void tellKeptBytes(const QString &path, const TextFiles::Format &format, Shown where)
{
    if (!format.keptBytes)
        return;
    const QString what =
        QStringLiteral("%1 holds bytes that are not valid in its encoding (%2). ")
            .arg(QDir::toNativeSeparators(path), format.encoding);
    const QString fate =
        where == Shown::InSource
            ? QStringLiteral("They are kept as they are, and saved unchanged.")
            : QStringLiteral("The composer shows each of them as \ufffd and cannot keep "
                             "it: a save from the composer writes that character in its "
                             "place. The source window keeps them.");
    Prompter::tell(what + fate, QStringLiteral("Assistant: Quorl"),
                   Prompter::Icon::Exclamation);
}

bool read(const QString &path, QString *text, TextFiles::Format *format)
{
    QString error;
    TextFiles::Format read;
    if (TextFiles::read(path, text, &error, &read)) {
        tellKeptBytes(path, read, Shown::InSource);
        if (format)
            *format = read;
        return true;
    }
    reportOpenFailure(path, error);
    return false;
}

bool write(const QString &path, const QString &text, const TextFiles::Format &format)
{
    QString error;
    const bool endsWithBreak = text.endsWith(u'\n') || text.endsWith(u'\r');
    const QString content =
        endsWithBreak || !format.finalLineEnd ? text : text + QStringLiteral("\r\n");
    if (TextFiles::write(path, content, &error, format))
        return true;
    report(QStringLiteral("Unable to save %1"), path, error);
    return false;
}

bool save(DocumentState &document, const QString &path, const QString &text)
{
    if (!document.mayReplace(path) || !write(path, text, document.format))
        return false;
    document.recordFile(path);
    return true;
}

} // namespace DocumentFiles
