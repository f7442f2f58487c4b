#pragma once

#include "editor/optfunctions.h"
#include "editor/sourcewindow.h"
#include "platform/htmleditview.h"
#include "platform/sourcearea.h"
#include "support/files.h"
#include "vevevodi/composerwindow.h"

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
