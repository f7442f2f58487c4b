#include "dialogs/insertroute.h"

#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/prompter.h"
#include "platform/sourcearea.h"
#include "platform/windowdirectory.h"
#include "vevevodi/composerwindow.h"

#include <QHash>
#include <QRegularExpression>

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
                             "styleSheetWiz", "mail"});
        set(sourceAlways, {"highlight", "frmrow", "rollover", "CursorArrow", "bullets"});
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

QString composerRefusal(const QString &window, const QString &html)
{
    // The page keeps no table row outside a table: it drops the row and cell
    // tags and keeps their text.
    if (window == u"frmrow")
        return QStringLiteral("Rows on their own cannot stand in the visual page: they belong "
                              "inside a table of the HTML source. Switch to the source view "
                              "(View > Editor) and insert them there.");
    // A snippet is any stretch of the source: the page drops the tags of a
    // document's frame, and table parts that come without their table.
    if (window == u"TempClip") {
        static const QRegularExpression frame(
            QStringLiteral("<\\s*/?\\s*(!doctype|html|head|body|title|meta|base|frameset|frame)"
                           "\\b"),
            QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression tablePart(
            QStringLiteral("<\\s*/?\\s*(tr|td|th|thead|tbody|tfoot|caption|colgroup|col)\\b"),
            QRegularExpression::CaseInsensitiveOption);
        if (html.contains(frame)
            || (html.contains(tablePart) && !html.contains(QLatin1String("<table"),
                                                           Qt::CaseInsensitive)))
            return QStringLiteral("This text holds tags that cannot stand in the visual page. "
                                  "Switch to the source view (View > Editor) and paste it "
                                  "there.");
    }
    return QString();
}

bool deliver(const QString &window, Route route, const QString &html)
{
    switch (visibleRoute(route, sourceShowing(), composerShowing())) {
    case Route::Source:
        toSource(html);
        break;
    case Route::Composer:
        if (const QString why = composerRefusal(window, html); !why.isEmpty()) {
            Prompter::tell(why, QStringLiteral("Assistant: Quorl"), Prompter::Icon::Exclamation);
            return false;
        }
        toComposer(html);
        break;
    case Route::Console:
        toConsole(html);
        break;
    case Route::Nothing:
        break;
    }
    return true;
}

QString selectionIn(Route route)
{
    switch (route) {
    case Route::Source:
        return Quorl()->area->selText();
    case Route::Composer:
        // Markup, so the selection's own elements and escapes go in with it.
        return ComposerWindow::mainSelection().html;
    case Route::Console:
    case Route::Nothing:
        break;
    }
    return QString();
}

bool selectInSource(const QString &text)
{
    SourceArea *area = Quorl()->area;
    const QString source = area->text();
    const qsizetype body = source.indexOf(QLatin1String("<body"), 0, Qt::CaseInsensitive);
    const qsizetype from = body < 0 ? 0 : source.indexOf(u'>', body) + 1;
    // Text, not a tag's inside.
    qsizetype at = text.isEmpty() ? -1 : source.indexOf(text, from);
    bool inTag = false;
    for (qsizetype scanned = from; at >= 0; at = source.indexOf(text, at + 1)) {
        for (; scanned < at; ++scanned) {
            if (source.at(scanned) == u'<')
                inTag = true;
            else if (source.at(scanned) == u'>')
                inTag = false;
        }
        if (!inTag)
            break;
    }
    if (at < 0) {
        area->setSelLength(0);
        return false;
    }
    area->setSelStart(at);
    area->setSelLength(text.size());
    return true;
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
