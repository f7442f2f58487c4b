#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Reading a file the program names by path. Only regular files are read: a
// FIFO waits for a writer and a device may never end, so either would hang
// the program for good.
namespace RegularFile {

// Opens file (its fileName()) for reading when it is a regular file; else
// false and the reason. The check is made on the opened file, so a FIFO put
// in place after a listing cannot block the open.
bool openForReading(QFile &file, QString *error = nullptr);

// The whole content of the regular file at path.
bool readAll(const QString &path, QByteArray *bytes, QString *error = nullptr);

} // namespace RegularFile
