#pragma once

#include "dialogs/dialogframe.h"

#include <optional>

class QListWidget;

// The plug-in tools in folder: its executable files, by name; nothing when
// the folder is missing.
std::optional<QStringList> pluginTools(const QString &folder);

// The plug-in tools launcher "toolplugin": starts a program of the tools folder.
class ToolPlugin : public DialogFrame
{
    Q_OBJECT

public:
    ToolPlugin();
    void load() override;

    // The tools folder of the program folder.
    static QString folder();

    QListWidget *lstTools = nullptr;
    QPushButton *OKButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *btnHelp = nullptr;

private:
    void launch();
};
