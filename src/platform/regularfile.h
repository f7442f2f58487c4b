#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Reading a file the program names by path. Only regular files outside the
// kernel's folders of special files are read: a FIFO waits for a writer, a
// device may never end, and a file of /proc (/proc/kmsg) can block for good
// although it looks regular; any of them would hang the program.
namespace RegularFile {

// What a refused file is told with: "Not a regular file".
QString refusal();

// True for a path in the kernel's folders of special files (/proc, /sys,
// /dev), also when reached through a link. Never reads or opens anything.
bool inSpecialFolder(const QString &path);

// True when path (links followed) is a regular file that may be read: what
// a folder listing offers. Looks at the file's status only.
bool isRegular(const QString &path);

// Opens file (its fileName()) for reading when it is a regular file that may
// be read; else false and the reason. The check is made on the opened file
// too, so a FIFO put in place after a listing cannot block the open.
bool openForReading(QFile &file, QString *error = nullptr);

// The whole content of the regular file at path.
bool readAll(const QString &path, QByteArray *bytes, QString *error = nullptr);

} // namespace RegularFile
