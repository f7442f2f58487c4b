#include "sitetools/toolplugin.h"

#include "editor/folderfiles.h"
#include "platform/programfolder.h"
#include "platform/programlauncher.h"
#include "platform/prompter.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

std::optional<QStringList> pluginTools(const QString &folder)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return std::nullopt;
    // Programs here carry no ".exe": a tool is any file that may be run.
    return FolderFiles::regularFiles(folder, QDir::Executable, QDir::Name);
}

ToolPlugin::ToolPlugin()
    : DialogFrame(QStringLiteral("toolplugin"), QStringLiteral("Plug in Tools: Quorl Vevevodi"))
{
    lstTools = new QListWidget(this);
    lstTools->setObjectName(QStringLiteral("lstTools"));
    // The list stands without a label; the window's title says what it holds.
    lstTools->setAccessibleName(QStringLiteral("Plug in Tools"));
    OKButton = button(QStringLiteral("OKButton"), QStringLiteral("Launch"));
    CancelButton = cancelButton();
    CancelButton->setText(QStringLiteral("Close"));
    btnHelp = helpButton(QStringLiteral("plugTool.qhp"));
    btnHelp->setText(QStringLiteral("Show Help"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lstTools, 1);
    addButtonRow(layout, {OKButton, CancelButton}, {btnHelp});
    resize(380, 320);

    connect(OKButton, &QPushButton::clicked, this, &ToolPlugin::launch);
}

QString ToolPlugin::folder()
{
    return ProgramFolder::resolve(QStringLiteral("tools"));
}

void ToolPlugin::load()
{
    DialogFrame::load();
    const std::optional<QStringList> tools = pluginTools(folder());
    if (!tools) {
        Prompter::tell(QStringLiteral("Error\r\nUnable to load tools. Folder must be removed or "
                                      "moved."),
                       QStringLiteral("Assistant: Quorl"), Prompter::Icon::Critical);
        return;
    }
    lstTools->addItems(*tools);
}

void ToolPlugin::launch()
{
    // A list with the focus has a current row even when nothing is chosen.
    const QListWidgetItem *chosen = lstTools->currentItem();
    if (!chosen || !chosen->isSelected())
        return;
    if (!ProgramLauncher::start(QDir(folder()).filePath(chosen->text())))
        Prompter::tell(QStringLiteral("Error\r\nUnable to launch tool. Please report this "
                                      "problem to the author of Quorl Vevevodi."),
                       QStringLiteral("Assistant: Quorl"), Prompter::Icon::Critical);
}
