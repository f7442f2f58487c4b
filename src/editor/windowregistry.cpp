#include "editor/windowregistry.h"

#include "editor/sourcewindow.h"
#include "platform/windowdirectory.h"
#include "vevevodi/composerwindow.h"

namespace {

template <class T>
void add(const char *name)
{
    WindowDirectory::registerWindow(QString::fromLatin1(name), [] { return new T; });
}

} // namespace

void registerWindows()
{
    add<SourceWindow>("Quorl");
    add<ComposerWindow>("Composr");
}
