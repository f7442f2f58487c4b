#pragma once

#include "platform/htmleditview.h"

class QBoxLayout;

// A dialog's live preview: a view of its own in browse mode, so the page
// runs as a browser would (a marquee scrolls), which the user cannot edit
// and which shares no document with the composer.
class LivePreview : public HtmlEditView
{
    Q_OBJECT

public:
    explicit LivePreview(QWidget *parent = nullptr);
    // A preview named "preview" in a frame "Preview" that takes the spare
    // height of layout.
    static LivePreview *addFramed(QBoxLayout *layout, QWidget *parent);

    // Shows html, a fragment for the page's body, in place of what was shown.
    void showHtml(const QString &html);

private:
    bool m_loaded = false;
};
