#pragma once

// What the dialog tests share for insertions into the real composer.

#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "vevevodi/composerwindow.h"

#include <QTest>

namespace ComposerPage {

// Shows the composer with html as its page, the caret at offset in the first
// text of the element with id "p"; nullptr when the page did not load.
inline ComposerWindow *showAt(const QString &html, int offset)
{
    Quorl()->area->setText(html);
    Quorl()->show();
    ShowVevevodi();
    ComposerWindow *composer = Composr();
    HtmlEditView *page = composer->txtComp;
    if (!QTest::qWaitForWindowExposed(composer)
        || !QTest::qWaitFor([page] { return page->isIdle(); }, 15000))
        return nullptr;
    const bool placed = page->evaluate(
        QStringLiteral("(() => { const t = document.getElementById('p').firstChild;"
                       " const r = document.createRange(); r.setStart(t, %1);"
                       " r.collapse(true); getSelection().removeAllRanges();"
                       " getSelection().addRange(r); return true; })()").arg(offset))
                            .value_or(false).toBool();
    return placed ? composer : nullptr;
}

// The text a script gives in the composer's page; empty when it gives none.
inline QString value(const QString &script)
{
    return Composr()->txtComp->evaluate(script).value_or(QVariant()).toString();
}

} // namespace ComposerPage
