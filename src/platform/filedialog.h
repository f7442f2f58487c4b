#pragma once

#include "platform/prompter.h"

#include <QFileDialog>

#include <memory>

// The open and save dialogs the real prompter shows.
namespace FileDialogs {

// Names file types from their names only. Qt's own provider reads a file
// to type it, and a file of /proc then blocks whatever lists its folder.
QAbstractFileIconProvider *typesByName();

// The dialog for request, not yet shown. It starts in the folder (and with
// the file name) that request.initialPath names, else where the last dialog
// ended; never in a folder of special files, the home folder instead.
// Naming a file never reads it, Open takes any existing file the user
// names, also one the chosen filter hides, and a typed name is taken as
// typed: Qt would read double quotes in it as a list of names.
std::unique_ptr<QFileDialog> create(const Prompter::FileRequest &request,
                                    QFileDialog::AcceptMode mode, QWidget *parent = nullptr);

// Runs dialog; the chosen path, or no value for Cancel.
std::optional<QString> run(QFileDialog &dialog);

} // namespace FileDialogs
