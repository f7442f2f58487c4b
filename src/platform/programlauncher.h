#pragma once

#include <QString>
#include <QStringList>

// Starts another program without waiting for it.
namespace ProgramLauncher {

// False with a reason when the file is missing, not executable or the start failed.
bool start(const QString &program, const QStringList &arguments = {},
           QString *error = nullptr);

} // namespace ProgramLauncher
