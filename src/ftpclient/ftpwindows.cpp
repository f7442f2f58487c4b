#include "ftpclient/ftpwindows.h"

#include "ftpclient/inethelpwindow.h"
#include "ftpclient/inetwindow.h"
#include "ftpclient/signindialog.h"
#include "platform/windowdirectory.h"

namespace {

template <class T>
void add(const char *name)
{
    WindowDirectory::registerWindow(QString::fromLatin1(name), [] { return new T; });
}

} // namespace

void registerFtpWindows()
{
    add<InetWindow>("frmInet");
    add<SigninDialog>("frmSignin");
    add<InetHelpWindow>("INETHelp");
}

InetWindow *frmInet()
{
    return WindowDirectory::touch<InetWindow>(QStringLiteral("frmInet"));
}
