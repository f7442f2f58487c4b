#include "dialogs/livepreview.h"

#include "platform/htmlmarkup.h"

#include <QBoxLayout>
#include <QGroupBox>

LivePreview::LivePreview(QWidget *parent)
    : HtmlEditView(parent)
{
    setBrowseMode(true);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setFocusPolicy(Qt::NoFocus);
}

void LivePreview::showHtml(const QString &html)
{
    // Later pictures replace the body in place: loading a new page after one
    // with a running marquee waits for the engine far longer than a keystroke.
    if (!m_loaded) {
        m_loaded = true;
        setDocumentHtml(html);
        return;
    }
    runQueued(QStringLiteral("document.body.innerHTML = %1").arg(HtmlMarkup::jsString(html)));
}

LivePreview *LivePreview::addFramed(QBoxLayout *layout, QWidget *parent)
{
    auto *frame = new QGroupBox(QStringLiteral("Preview"), parent);
    auto *frameLayout = new QVBoxLayout(frame);
    auto *preview = new LivePreview(frame);
    preview->setObjectName(QStringLiteral("preview"));
    preview->setMinimumSize(420, 110);
    frameLayout->addWidget(preview);
    layout->addWidget(frame, 1);
    return preview;
}
