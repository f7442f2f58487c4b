#pragma once

// What the window tests share for pages in the real composer.

#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "support/files.h"
#include "vevevodi/composerwindow.h"

#include <QTest>

// A page in the composer with one paragraph, id "p", holding "one", shown
// the way the source window's switch shows it; nullptr when it did not load.
inline HtmlEditView *showPageInComposer()
{
    Quorl()->area->setText("<html><head><title>t</title></head><body><p id=\"p\">one</p></body>"
                           "</html>");
    Quorl()->show();
    ShowVevevodi();
    HtmlEditView *page = Composr()->txtComp;
    return TestEngine::settle(page) ? page : nullptr;
}

// Changes the paragraph to "edited", as typing in the composer would, so the
// source text no longer knows the page.
inline bool editParagraph(HtmlEditView *page)
{
    return page->evaluate("(document.getElementById('p').textContent = 'edited', true)")
        .value_or(false).toBool();
}

// The widths the engine draws the four borders of the element with id at,
// "left right top bottom"; empty when there is no such element.
inline QString borderWidths(HtmlEditView *view, const QString &id)
{
    return view->evaluate(QStringLiteral(
        "(() => { const e = document.getElementById('%1'); if (!e) return '';"
        " const s = getComputedStyle(e); return [s.borderLeftWidth, s.borderRightWidth,"
        " s.borderTopWidth, s.borderBottomWidth].join(' '); })()").arg(id))
        .value_or(QVariant()).toString();
}

namespace ComposerPage {

// Shows the composer with html as its page, the caret at offset in the first
// text of the element with id "p"; nullptr when the page did not load.
inline ComposerWindow *showAt(const QString &html, int offset)
{
    Quorl()->area->setText(html);
    Quorl()->show();
    ShowVevevodi();
    ComposerWindow *composer = Composr();
    if (!QTest::qWaitForWindowExposed(composer) || !TestEngine::settle(composer->txtComp))
        return nullptr;
    const bool placed = composer->txtComp->evaluate(
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

// Selects in the composer's page what a script sets the range r to, e.g.
// "r.selectNode(document.querySelector('b'))"; false when it did not run.
inline bool select(const QString &rangeScript)
{
    return Composr()->txtComp->evaluate(
        QStringLiteral("(() => { const r = document.createRange(); %1;"
                       " getSelection().removeAllRanges(); getSelection().addRange(r);"
                       " return true; })()").arg(rangeScript))
        .value_or(false).toBool();
}

// True when the composer's document, written out as a save writes it, parses
// back into the page the composer shows.
inline bool readsBackTheSame()
{
    return value("new DOMParser().parseFromString(qvBridge.html(), 'text/html').body.innerHTML"
                 " === document.body.innerHTML ? 'same' : 'other'") == QLatin1String("same");
}

} // namespace ComposerPage
