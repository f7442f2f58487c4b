#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// One FTP operation with its arguments kept apart, so names with blanks reach
// the server whole. text() gives the familiar operation string ("CD name").
struct FtpOperation
{
    enum Kind { Dir, Cd, CdUp, MkDir, RmDir, Delete, Rename, Put, Get, Close };

    Kind kind = Dir;
    // Put: local path, remote name. Get: remote name, local path.
    // Rename: old name, new name. Cd, MkDir, RmDir, Delete: the name.
    QString first;
    QString second;

    QString text() const;
    // Reads an operation string. Two-argument operations split at the first
    // blank, so only the structured form carries names with blanks.
    static std::optional<FtpOperation> parse(const QString &text);

    // True when a remote name would end the command line early (CR, LF, NUL).
    static bool isUnsafeName(const QString &name);
    // The name a download of remoteName offers for the local file: only its
    // last part, so a server cannot choose the folder. Empty for a name that
    // ends in a separator, is "." or "..", or holds a control character.
    static QString localName(const QString &remoteName);
    // The remote names this operation sends, for the safety check.
    QStringList remoteNames() const;
};

// Remote paths are kept absolute: a name is taken relative to the current
// folder unless it starts with '/'; "." and ".." are resolved here.
namespace RemotePath {
QString resolve(const QString &currentFolder, const QString &name);
QString parent(const QString &folder);
}
