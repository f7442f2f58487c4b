#pragma once

#include <QByteArray>
#include <QString>

class HtmlEditView;

// Small helpers the window tests share.
namespace TestFiles {

// The file's bytes, or "<missing>".
QByteArray bytes(const QString &path);
// Writes the bytes; false when the file cannot be written.
bool write(const QString &path, const QByteArray &bytes);

} // namespace TestFiles

namespace TestEngine {

// Waits until every queued operation of the view has finished.
bool settle(HtmlEditView *view);
// What stands between <body> and </body> of the view's document.
QString body(HtmlEditView *view);

} // namespace TestEngine
