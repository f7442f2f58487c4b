#include "editor/outsideprograms.h"

#include "platform/programfolder.h"
#include "platform/programlauncher.h"
#include "platform/prompter.h"

namespace OutsidePrograms {

namespace {

void start(const QString &relative, const QString &whenMissing)
{
    if (!ProgramLauncher::start(ProgramFolder::resolve(relative)))
        Prompter::tell(whenMissing, QStringLiteral("Assistant: Quorl"), Prompter::Icon::Critical);
}

} // namespace

void startTintor()
{
    start(QStringLiteral("tools/Tintor.exe"),
          QStringLiteral("Unable to locate Tintor. The tools folder appears to have been "
                         "removed or moved."));
}

void startFtpClient()
{
    start(QStringLiteral("tools/FTP.exe"),
          QStringLiteral("Unable to locate FTP.exe - Please download the program again"));
}

} // namespace OutsidePrograms
