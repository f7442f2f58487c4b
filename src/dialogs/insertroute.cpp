#include "dialogs/insertroute.h"

#include "editor/sourcewindow.h"
#include "platform/sourcearea.h"
#include "platform/windowdirectory.h"
#include "vevevodi/composerwindow.h"

#include <QHash>

namespace InsertRoute {

namespace {

const QHash<QString, Policy> &policies()
{
    static const QHash<QString, Policy> table = [] {
        QHash<QString, Policy> t;
        const auto set = [&t](const Policy &policy, std::initializer_list<const char *> names) {
            for (const char *name : names)
                t.insert(QString::fromLatin1(name), policy);
        };
        set(editElseComposer, {"table", "rule", "heading", "styleText", "marquee", "ListURLs",
                               "formFieldset", "formList", "frmFont", "visTbl", "NavListURLs"});
        set(eachOrNothing, {"hyperlinks", "formTextbox", "formTextArea", "formButton",
                            "formRadChk", "formFile", "formForm"});
        set(editElseConsole, {"frmImage"});
        set(compElseSource, {"formHidden", "prewizard", "BMBoxProps", "LManager", "MetaGen",
                             "styleSheetWiz"});
        set(sourceAlways, {"highlight", "frmrow", "mail", "rollover", "CursorArrow", "bullets"});
        set(composerAlways, {"JSConsole", "pageProps", "loading"});
        set(deliversNothing, {"NavMaker", "styleSheet", "toolplugin", "LBoxProps"});
        // The designer's field dialogs stage their element in the designer.
        set(deliversNothing, {"OformTextbox", "OformTextArea", "OformList", "OformButton",
                              "OformRadChk", "OformFile", "OformFieldset", "OformHidden"});
        return t;
    }();
    return table;
}

bool showing(const char *window)
{
    const QWidget *w = WindowDirectory::loaded(QString::fromLatin1(window));
    return w && w->isVisible();
}

} // namespace

const Policy &policyOf(const QString &dialog)
{
    const auto found = policies().constFind(dialog);
    return found == policies().constEnd() ? editElseComposer : *found;
}

bool hasPolicy(const QString &dialog)
{
    return policies().contains(dialog);
}

Route pick(const Policy &policy, const QString &target)
{
    if (target == u"edit")
        return policy.edit;
    if (target == u"comp")
        return policy.comp;
    if (target == u"jsc")
        return policy.jsc;
    return policy.other;
}

Route visibleRoute(Route route, bool sourceShowing, bool composerShowing)
{
    if (route == Route::Source && !sourceShowing && composerShowing)
        return Route::Composer;
    if (route == Route::Composer && !composerShowing && sourceShowing)
        return Route::Source;
    return route;
}

bool sourceShowing()
{
    return showing("Quorl");
}

bool composerShowing()
{
    return showing("Composr");
}

void toSource(const QString &html)
{
    Quorl()->area->setSelText(html);
}

void toComposer(const QString &html)
{
    Composr()->stageInsertion(html);
}

void toConsole(const QString &html)
{
    if (ConsoleCode *console = ConsoleCode::loaded())
        console->setSelText(html);
}

} // namespace InsertRoute

ConsoleCode *ConsoleCode::loaded()
{
    return dynamic_cast<ConsoleCode *>(WindowDirectory::loaded(QStringLiteral("JSConsole")));
}
