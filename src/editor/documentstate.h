#pragma once

#include "platform/textfiles.h"

#include <QByteArray>
#include <QString>

class SourceArea;

// One document of a document window: its text, its file, the modified
// marker, how the file was stored, and what that file was on disk when this
// document last read or wrote it. The two main windows share the source
// window's; every composer window of the file viewer holds its own.
class DocumentState
{
public:
    SourceArea *area = nullptr;  // the document as source text
    QString path;
    QString star;                // "*" after a change, empty after a save
    TextFiles::Format format;

    // Notes the file as it is on disk now; called after each read and write.
    void recordFile(const QString &file);
    // Before file is replaced: true when it is not the file last read or
    // written, is gone, or is still as it was then. Otherwise asks whether
    // to replace it, and gives the answer.
    bool mayReplace(const QString &file) const;

    // What tells one version of a file from another: a digest of its
    // bytes, empty when it cannot be read (or does not exist).
    static QByteArray digestOf(const QString &file);

private:
    QString m_file;
    QByteArray m_digest;
};
