// The editing view's handling of positioned elements and form controls as
// objects; the work is done in the page by objectediting.js.

#include "platform/htmleditview.h"

#include "platform/htmlmarkup.h"

#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {

const QString kSettingsScript = QStringLiteral("qvobjectsettings");

QString settingsText(bool absoluteDrop, bool staging)
{
    return QStringLiteral("{absoluteDrop: %1, staging: %2}")
        .arg(QLatin1String(absoluteDrop ? "true" : "false"),
             QLatin1String(staging ? "true" : "false"));
}

} // namespace

void HtmlEditView::applyObjectSettings()
{
    // Every document loaded later starts with them.
    QWebEngineScriptCollection &scripts = page()->scripts();
    for (const QWebEngineScript &old : scripts.find(kSettingsScript))
        scripts.remove(old);
    QWebEngineScript script;
    script.setName(kSettingsScript);
    script.setSourceCode(QStringLiteral("window.qvObjectSettings = %1;")
                             .arg(settingsText(m_absoluteDrop, m_staging)));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    scripts.insert(script);
}

void HtmlEditView::tellObjectSettings()
{
    applyObjectSettings();
    runQueued(QStringLiteral("window.qvObjects && qvObjects.set(%1)")
                  .arg(settingsText(m_absoluteDrop, m_staging)));
}

void HtmlEditView::setAbsoluteDropMode(bool on)
{
    if (on == m_absoluteDrop)
        return;
    m_absoluteDrop = on;
    tellObjectSettings();
}

void HtmlEditView::setStagingMode(bool on)
{
    if (on == m_staging)
        return;
    m_staging = on;
    tellObjectSettings();
}

QString HtmlEditView::pagePoint(const QPoint &point) const
{
    // The page counts in CSS pixels, which the zoom scales.
    const qreal zoom = zoomFactor() > 0 ? zoomFactor() : 1.0;
    return QStringLiteral("%1, %2").arg(point.x() / zoom).arg(point.y() / zoom);
}

void HtmlEditView::insertHtmlAt(const QString &html, const QPoint &point)
{
    if (html.isEmpty())
        return;
    runQueued(QStringLiteral("window.qvObjects && qvObjects.insertAt(%1, %2)")
                  .arg(HtmlMarkup::jsString(html), pagePoint(point)));
}

void HtmlEditView::selectObjectAt(const QPoint &point)
{
    runQueued(QStringLiteral("window.qvObjects && qvObjects.selectAt(%1)").arg(pagePoint(point)));
}

void HtmlEditView::moveObjectTo(int left, int top)
{
    runQueued(QStringLiteral("window.qvObjects && qvObjects.moveTo(%1, %2)").arg(left).arg(top));
}

void HtmlEditView::resizeObjectTo(int width, int height)
{
    runQueued(QStringLiteral("window.qvObjects && qvObjects.resizeTo(%1, %2)")
                  .arg(width)
                  .arg(height));
}
