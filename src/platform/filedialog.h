#pragma once

#include "platform/prompter.h"

#include <QFileDialog>

#include <memory>

// The open and save dialogs the real prompter shows.
namespace FileDialogs {

// True for a path in the kernel's folders of special files (/proc, /sys,
// /dev), also when reached through a link: reading their files blocks or
// never ends.
bool inSpecialFolder(const QString &path);

// The dialog for request, not yet shown. It starts in the folder (and with
// the file name) that request.initialPath names, else where the last dialog
// ended; never in a folder of special files, the home folder instead.
// Naming a file never reads it, and Open takes any existing file the user
// names, also one the chosen filter hides.
std::unique_ptr<QFileDialog> create(const Prompter::FileRequest &request,
                                    QFileDialog::AcceptMode mode, QWidget *parent = nullptr);

// Runs dialog; the chosen path, or no value for Cancel.
std::optional<QString> run(QFileDialog &dialog);

} // namespace FileDialogs
