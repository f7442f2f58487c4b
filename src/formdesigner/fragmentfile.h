#pragma once

#include "platform/textfiles.h"

#include <QString>

#include <optional>

class CommonDialog;

// The work files of the visual designers (form files, layout files): the
// inside of the work area's body, as the editing control wrote it, and one
// line end.
namespace FragmentFile {

// The text between the first "<body>" tag and the last "</body>", found
// without regard to case and cut from html itself. A body tag with
// attributes counts; without a body tag the whole text is the body, and
// without a closing one the body runs to the end.
QString bodyText(const QString &html);

// Writes body followed by one line end (none when the file that was opened
// ended without one), atomically: on failure the old file stays whole and
// error holds the reason. format is how the file that was opened was stored
// (a new file: UTF-8, CR LF).
bool write(const QString &path, const QString &body, QString *error = nullptr,
           const TextFiles::Format &format = {});

// Reads the whole file first and gives it without the one line end write()
// puts at its end, so a load and save leaves the file as it was; no result
// (and the reason) when it cannot.
std::optional<QString> read(const QString &path, QString *error = nullptr,
                            TextFiles::Format *format = nullptr);

// The file commands of a designer window: ask for a name with the window's
// dialog and filter (a name saved without extension gets the filter's),
// then read or write. A cancel does nothing; a failure is told as failure,
// the path and the reason, under title. open gives the file's format, which
// save takes to write it the same way.
std::optional<QString> open(CommonDialog &dialog, const QString &filter,
                            const QString &failure, const QString &title,
                            TextFiles::Format *format = nullptr);
void save(CommonDialog &dialog, const QString &filter, const QString &body,
          const QString &failure, const QString &title, const TextFiles::Format &format = {});

} // namespace FragmentFile
