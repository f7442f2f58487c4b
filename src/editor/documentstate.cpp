#include "editor/documentstate.h"

#include "platform/prompter.h"
#include "platform/regularfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace {

QString absolute(const QString &file)
{
    return QFileInfo(file).absoluteFilePath();
}

} // namespace

QByteArray DocumentState::digestOf(const QString &file)
{
    // The bytes, not time and size: a rewrite of the same length within
    // one tick of the file system's clock would look unchanged.
    QByteArray bytes;
    if (!RegularFile::readAll(file, &bytes))
        return {};
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

void DocumentState::recordFile(const QString &file)
{
    m_file = absolute(file);
    m_digest = digestOf(file);
}

bool DocumentState::mayReplace(const QString &file) const
{
    if (m_file.isEmpty() || absolute(file) != m_file)
        return true;
    // A file deleted meanwhile is simply written again; one that cannot be
    // read is left to the write, which reports what fails.
    const QByteArray now = digestOf(file);
    if (now.isEmpty() || now == m_digest)
        return true;
    return Prompter::ask(QDir::toNativeSeparators(file)
                             + QStringLiteral(" was changed by another program since it was "
                                              "opened. Replace it with this page?"),
                         QStringLiteral("Assistant: Quorl"), Prompter::Icon::Question,
                         Prompter::Buttons::YesNo)
           == Prompter::Answer::Yes;
}
