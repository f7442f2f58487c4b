#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class CommonDialog;

// Page templates: "Temp" + name + ".html" in the program's templates folder,
// written from and opened into the composer.
namespace Templates {

QString folder();
// The file a typed name is stored in: blanks removed, "Temp" + name + ".html".
QString fileNameFor(const QString &name);
// The name a file is listed under: without "Temp" and the last five
// characters when it is longer than nine characters, otherwise whole.
QString displayName(const QString &fileName);
// The path a listed name is looked for under, matched without regard to case.
QString pathFor(const QString &displayedName);
// The listed names of the folder's .htm and .html files, in order of name.
QStringList names();

// The name prompt's answer as a template name: blanks removed; no value for
// Cancel, blanks only, or a name that would leave the folder (said so).
std::optional<QString> nameFromAnswer(const std::optional<QString> &answer);

// Saves the composer's document as a template.
void CreateTemplate();
// Asks before replacing the composer's document, loads a file chosen with
// dialog into it as a new untitled document and saves it as a template.
void ImportTemplate(CommonDialog &dialog);
// Fills and shows the template manager; false when the folder is missing.
bool ShowTemplateManager();
void hideTemplateManager();
// Says that the templates folder is missing.
void reportMissingFolder();

// The document shown in the composer is no file's: no path, no marker, and
// both captions say so. Saving it later asks for a name.
void makeUntitled();

inline const QString closeQuestion =
    QStringLiteral("Are you sure you want to close existing document?");

} // namespace Templates
