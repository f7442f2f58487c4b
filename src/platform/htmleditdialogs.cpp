// The editing control's own dialogs, run from its command ids.

#include "platform/htmleditview.h"
#include "platform/htmlfinddialog.h"
#include "platform/htmlfontdialog.h"
#include "platform/htmlimagedialog.h"
#include "platform/htmllinkdialog.h"
#include "platform/prompter.h"

bool HtmlEditView::runOwnDialog(int id)
{
    switch (id) {
    case 5008:
        // Find stays open beside the page, for Find Next.
        if (!m_find)
            m_find = new HtmlFindDialog(page(), this);
        m_find->setWindowFlag(Qt::Tool);
        m_find->show();
        m_find->raise();
        m_find->activateWindow();
        return true;
    case 5009: {
        HtmlFontDialog dialog(this);
        if (Prompter::instance().runDialog(&dialog)) {
            // One undo step for the whole choice.
            runQueued(QStringLiteral("qvEdit.boundary();") + HtmlFontDialog::script(dialog.choice())
                      + QStringLiteral("qvEdit.boundary();"));
        }
        return true;
    }
    case 5016: {
        HtmlLinkDialog dialog(this);
        if (Prompter::instance().runDialog(&dialog))
            insertHtml(dialog.markup());
        return true;
    }
    case 5017: {
        HtmlImageDialog dialog(baseFolder(), this);
        if (Prompter::instance().runDialog(&dialog) && !dialog.image().source.isEmpty())
            insertHtml(HtmlImageDialog::markup(dialog.image()));
        return true;
    }
    default:
        return false;
    }
}
