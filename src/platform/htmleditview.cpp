#include "platform/htmleditview.h"

#include "platform/htmlmarkup.h"
#include "platform/prompter.h"
#include "platform/textencodings.h"
#include "platform/regularfile.h"
#include "platform/textfiles.h"

#include <QBuffer>
#include <QChildEvent>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeDatabase>
#include <QPointer>
#include <QTimer>
#include <QUrlQuery>
#include <QUuid>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

#include <climits>
#include <memory>
#include <utility>

static void initBridgeResources()
{
    Q_INIT_RESOURCE(htmlbridge);
    Q_INIT_RESOURCE(editcommands);
    Q_INIT_RESOURCE(objectediting);
}

namespace {

const QByteArray kScheme = QByteArrayLiteral("qvdoc");
const QString kBlankDocument =
    QStringLiteral("<html><head><title></title></head><body></body></html>");
// An operation that never answers (a hung renderer) must not stop the queue.
constexpr int kOperationLimitMs = 30000;

// Serves each view's document from memory (no data URL, so no size limit),
// under a URL in the document's own folder, so that its relative links and
// images resolve to the files beside it.
class DocumentScheme : public QWebEngineUrlSchemeHandler
{
public:
    static DocumentScheme &instance()
    {
        static auto *scheme = [] {
            auto *s = new DocumentScheme;
            QWebEngineProfile::defaultProfile()->installUrlSchemeHandler(kScheme, s);
            return s;
        }();
        return *scheme;
    }

    void put(const QString &token, const QString &html)
    {
        // The byte order mark outranks any charset the page declares, so the
        // text reads back exactly as it was given.
        m_documents.insert(token, QByteArrayLiteral("\xEF\xBB\xBF") + html.toUtf8());
    }
    void remove(const QString &token) { m_documents.remove(token); }

    void requestStarted(QWebEngineUrlRequestJob *job) override
    {
        const QUrl url = job->requestUrl();
        const QString token = QUrlQuery(url).queryItemValue(QStringLiteral("qvdoc"));
        if (!token.isEmpty()) {
            const auto found = m_documents.constFind(token);
            if (found == m_documents.constEnd()) {
                job->fail(QWebEngineUrlRequestJob::UrlNotFound);
                return;
            }
            auto *buffer = new QBuffer;
            buffer->setData(*found);
            QObject::connect(job, &QObject::destroyed, buffer, &QObject::deleteLater);
            job->reply(QByteArrayLiteral("text/html"), buffer);
            return;
        }
        // Anything else the document refers to is a file beside it; an image
        // that names /proc/kmsg or a FIFO must not block the program.
        auto *file = new QFile(url.path());
        if (!RegularFile::openForReading(*file)) {
            delete file;
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        QObject::connect(job, &QObject::destroyed, file, &QObject::deleteLater);
        const QByteArray type = QMimeDatabase().mimeTypeForFile(url.path()).name().toLatin1();
        job->reply(type, file);
    }

private:
    QHash<QString, QByteArray> m_documents;
};

QString scriptSource(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        qWarning("HtmlEditView: missing resource %s", qPrintable(resource));
    return QString::fromUtf8(file.readAll());
}

QWebEngineScript bridgeScript(const QString &name, const QString &source,
                              QWebEngineScript::InjectionPoint point)
{
    QWebEngineScript script;
    script.setName(name);
    script.setSourceCode(source);
    script.setInjectionPoint(point);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    return script;
}

// The doctype the document starts with (after blanks and comments), which
// decides the mode the engine renders it in.
QString leadingDoctype(const QString &html)
{
    qsizetype i = 0;
    const qsizetype n = html.size();
    while (i < n) {
        if (html.at(i).isSpace() || html.at(i) == QChar(0xFEFF)) {
            ++i;
        } else if (html.mid(i, 4) == QLatin1String("<!--")) {
            const qsizetype end = html.indexOf(QLatin1String("-->"), i + 4);
            if (end < 0)
                return QString();
            i = end + 3;
        } else if (html.mid(i, 5) == QLatin1String("<?xml")) {
            const qsizetype end = html.indexOf(u'>', i);
            if (end < 0)
                return QString();
            i = end + 1;
        } else {
            break;
        }
    }
    if (html.mid(i, 9).compare(QLatin1String("<!DOCTYPE"), Qt::CaseInsensitive) != 0)
        return QString();
    const qsizetype end = html.indexOf(u'>', i);
    return end < 0 ? QString() : html.mid(i, end - i + 1);
}


} // namespace

// What the page tells the view, through the web channel of the bridge's world.
class HtmlEditHost : public QObject
{
    Q_OBJECT

public:
    explicit HtmlEditHost(HtmlEditView *view) : QObject(view), m_view(view)
    {
        // Page timers never fire while page scripts are off, so the page
        // tells every selection change and the view gathers them here.
        m_display.setSingleShot(true);
        m_display.setInterval(50);
        connect(&m_display, &QTimer::timeout, view, [view] { Q_EMIT view->DisplayChanged(); });
    }

public Q_SLOTS:
    void keyPress(int key) { Q_EMIT m_view->onkeypress(key); }
    void mouseMove() { Q_EMIT m_view->onmousemove(); }
    void displayChanged()
    {
        if (!m_display.isActive())
            m_display.start();
    }
    void changed() { Q_EMIT m_view->contentChanged(); }

private:
    HtmlEditView *m_view;
    QTimer m_display;
};

class HtmlEditPage : public QWebEnginePage
{
public:
    explicit HtmlEditPage(HtmlEditView *view) : QWebEnginePage(view), m_view(view) {}

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame) override
    {
        return m_view->acceptsNavigation(url, isMainFrame);
    }

    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }

    void javaScriptAlert(const QUrl &, const QString &msg) override
    {
        Prompter::tell(msg, QStringLiteral("Quorl"), Prompter::Icon::Information);
    }
    bool javaScriptConfirm(const QUrl &, const QString &msg) override
    {
        return Prompter::ask(msg, QStringLiteral("Quorl"), Prompter::Icon::Question,
                             Prompter::Buttons::OkCancel) == Prompter::Answer::Ok;
    }
    bool javaScriptPrompt(const QUrl &, const QString &msg, const QString &defaultValue,
                          QString *result) override
    {
        const auto answer = Prompter::instance().input(msg, QStringLiteral("Quorl"),
                                                       defaultValue);
        if (answer)
            *result = *answer;
        return answer.has_value();
    }
    QStringList chooseFiles(FileSelectionMode, const QStringList &, const QStringList &) override
    {
        const auto path = Prompter::instance().openFile({QStringLiteral("Open"), {}, {}, {}});
        return path ? QStringList{*path} : QStringList{};
    }

private:
    HtmlEditView *m_view;
};

void HtmlEditView::registerScheme()
{
    if (!QWebEngineUrlScheme::schemeByName(kScheme).name().isEmpty())
        return;
    QWebEngineUrlScheme scheme(kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme
                    | QWebEngineUrlScheme::LocalAccessAllowed
                    | QWebEngineUrlScheme::ContentSecurityPolicyIgnored);
    QWebEngineUrlScheme::registerScheme(scheme);
}

HtmlEditView::HtmlEditView(QWidget *parent)
    : QWebEngineView(parent)
{
    registerScheme();
    initBridgeResources();
    DocumentScheme::instance();

    setPage(new HtmlEditPage(this));
    m_host = new HtmlEditHost(this);
    m_channel = new QWebChannel(this);
    m_channel->registerObject(QStringLiteral("qvHost"), m_host);
    page()->setWebChannel(m_channel, QWebEngineScript::ApplicationWorld);

    QWebEngineScriptCollection &scripts = page()->scripts();
    scripts.insert(bridgeScript(QStringLiteral("qvchannel"),
                                scriptSource(QStringLiteral(":/qtwebchannel/qwebchannel.js")),
                                QWebEngineScript::DocumentCreation));
    scripts.insert(bridgeScript(QStringLiteral("qvbridge"),
                                scriptSource(QStringLiteral(":/qv/js/htmlbridge.js")),
                                QWebEngineScript::DocumentCreation));
    scripts.insert(bridgeScript(QStringLiteral("qvedit"),
                                scriptSource(QStringLiteral(":/qv/js/editcommands.js")),
                                QWebEngineScript::DocumentReady));
    scripts.insert(bridgeScript(QStringLiteral("qvformat"),
                                scriptSource(QStringLiteral(":/qv/js/inlineformat.js")),
                                QWebEngineScript::DocumentReady));
    scripts.insert(bridgeScript(QStringLiteral("qvobjects"),
                                scriptSource(QStringLiteral(":/qv/js/objectediting.js")),
                                QWebEngineScript::DocumentReady));
    applyObjectSettings();

    QWebEngineSettings *s = settings();
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    s->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    applySettings();

    m_watchdog = new QTimer(this);
    m_watchdog->setSingleShot(true);
    m_watchdog->setInterval(kOperationLimitMs);
    connect(m_watchdog, &QTimer::timeout, this, [this] { finishOp(m_current); });

    // Keeps a recent copy of the document for a renderer that dies.
    m_snapshot = new QTimer(this);
    m_snapshot->setSingleShot(true);
    connect(m_snapshot, &QTimer::timeout, this, [this] {
        runQueued(QStringLiteral("qvBridge.html()"), [this](const QVariant &v) {
            if (v.typeId() == QMetaType::QString)
                m_lastKnown = v.toString();
        });
    });
    connect(this, &HtmlEditView::contentChanged, this, [this] {
        m_snapshot->start(m_lastKnown.size() > 1024 * 1024 ? 5000 : 1000);
    });

    // Typing runs into one undo step until it pauses for about a second.
    m_typingPause = new QTimer(this);
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(1000);
    connect(m_typingPause, &QTimer::timeout, this,
            [this] { runQueued(QStringLiteral("window.qvEdit && qvEdit.boundary()")); });

    connect(page(), &QWebEnginePage::loadFinished, this, &HtmlEditView::onLoadFinished);
    connect(page(), &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                if (status != QWebEnginePage::NormalTerminationStatus)
                    onRendererGone();
            });

    NewDocument();
}

HtmlEditView::~HtmlEditView()
{
    if (!m_token.isEmpty())
        DocumentScheme::instance().remove(m_token);
}

// ---- the operation queue -----------------------------------------------------

void HtmlEditView::enqueue(std::function<void()> start)
{
    m_ops.enqueue(Op{std::move(start)});
    if (!m_current)
        startNext();
}

void HtmlEditView::startNext()
{
    while (!m_current && !m_ops.isEmpty()) {
        Op op = m_ops.dequeue();
        m_current = ++m_nextId;
        m_watchdog->start();
        op.start();
    }
}

void HtmlEditView::finishOp(quint64 id)
{
    if (!id || id != m_current)
        return;
    m_current = 0;
    m_loadOp = 0;
    m_watchdog->stop();
    // Later operations start from the event loop, never inside a callback.
    QTimer::singleShot(0, this, &HtmlEditView::startNext);
}

void HtmlEditView::runQueued(const QString &script, std::function<void(const QVariant &)> done)
{
    const Self self(this);
    enqueue([self, script, done] {
        const quint64 id = self->m_current;
        self->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                    [self, id, done](const QVariant &v) {
                                        if (!self || id != self->m_current)
                                            return;
                                        if (done)
                                            done(v);
                                        self->finishOp(id);
                                    });
    });
}

std::optional<QVariant> HtmlEditView::evaluate(const QString &script, int timeoutMs)
{
    if (m_waiting)
        return std::nullopt;
    if (timeoutMs < 0)
        timeoutMs = m_readTimeout;
    m_waiting = true;
    QDeadlineTimer deadline(timeoutMs);
    // Keys travel to the page on their own path; once they have been given
    // a fair time, a key the page never saw must not block every later read.
    QDeadlineTimer keyGrace(qMin(timeoutMs, 1000));
    const QString wrapped =
        QStringLiteral("(function(){var k=window.qvBridge?qvBridge.keys:0;return [k,(")
        + script + QStringLiteral(")];})()");

    std::optional<QVariant> result;
    while (!deadline.hasExpired()) {
        struct Answer {
            bool done = false;
            QVariant value;
            QEventLoop loop;
        };
        auto answer = std::make_shared<Answer>();
        runQueued(wrapped, [answer](const QVariant &v) {
            answer->done = true;
            answer->value = v;
            answer->loop.quit();
        });
        QTimer::singleShot(qMax<qint64>(0, deadline.remainingTime()), &answer->loop,
                           [answer] { answer->loop.quit(); });
        const int renderers = m_renderersLost;
        m_waitLoop = &answer->loop;
        if (!answer->done)
            answer->loop.exec(QEventLoop::ExcludeUserInputEvents);
        m_waitLoop = nullptr;
        // A renderer that died took the question with it: ask the restored page.
        if (!answer->done && renderers != m_renderersLost)
            continue;
        if (!answer->done)
            break;
        const QVariantList pair = answer->value.toList();
        if (pair.size() != 2)
            break;
        if (pair.at(0).toInt() >= m_keysDelivered || keyGrace.hasExpired()) {
            m_keysDelivered = qMin(m_keysDelivered, pair.at(0).toInt());
            result = pair.at(1);
            break;
        }
        QEventLoop pause;
        QTimer::singleShot(10, &pause, &QEventLoop::quit);
        pause.exec(QEventLoop::ExcludeUserInputEvents);
    }
    m_waiting = false;
    m_readFailed = !result;
    return result;
}

// ---- documents -------------------------------------------------------------------

void HtmlEditView::loadContent(const QString &html, const QString &fileName)
{
    m_source = html;
    m_sourceName = fileName;
    m_lastKnown = html;
    const Self self(this);
    const QString folder = m_baseFolder;
    enqueue([self, html, fileName, folder] { self->startLoad(html, fileName, folder); });
}

void HtmlEditView::startLoad(const QString &html, const QString &fileName, const QString &folder)
{
    const QString old = m_token;
    m_token = QUuid::createUuid().toString(QUuid::WithoutBraces);
    // While editing the engine gets only the doctype and the page is parsed
    // in place, scripts off; a browsed page is served whole and runs.
    if (m_browse) {
        DocumentScheme::instance().put(m_token, html);
        m_pendingFill = QString();
    } else {
        DocumentScheme::instance().put(m_token, leadingDoctype(html));
        m_pendingFill = html;
    }
    if (!old.isEmpty())
        DocumentScheme::instance().remove(old);
    m_unproven = true;
    m_trial = html;

    QUrl url;
    url.setScheme(QString::fromLatin1(kScheme));
    const QString dir = folder.isEmpty() ? QDir::rootPath() : QDir(folder).absolutePath();
    url.setPath(QDir::cleanPath(dir + u'/' + (fileName.isEmpty() ? QStringLiteral("untitled.html")
                                                                  : fileName)));
    url.setQuery(QStringLiteral("qvdoc=") + m_token);
    loadUrlNow(url);
}

void HtmlEditView::loadUrlNow(const QUrl &url)
{
    m_loadOp = m_current;
    m_expectedUrl = url;
    applySettings();
    page()->load(url);
}

void HtmlEditView::onLoadFinished(bool)
{
    // Browse mode may follow links; every document gets the bridge set up.
    const quint64 op = m_loadOp;
    QString fill;
    if (op && op == m_current && !m_pendingFill.isNull())
        fill = QStringLiteral("qvBridge.fill(") + HtmlMarkup::jsString(m_pendingFill) + QStringLiteral(");");
    m_pendingFill = QString();
    const Self self(this);
    const QString token = m_token;
    // The layout is made before the answer, so a page too large for the
    // engine dies while it is still being loaded, not under the user's hands.
    page()->runJavaScript(
        QStringLiteral("if (window.qvBridge) { %4 qvBridge.begin(%1, %2, %3); }"
                       " document.documentElement && document.documentElement.offsetHeight;")
            .arg(m_browse ? "false" : "true", m_details ? "true" : "false",
                 m_snap ? "true" : "false", fill),
        QWebEngineScript::ApplicationWorld, [self, op, token](const QVariant &) {
            if (!self)
                return;
            if (token == self->m_token && self->m_unproven) {
                self->m_unproven = false;
                self->m_fallback = std::exchange(self->m_trial, QString());
            }
            if (op && op == self->m_current) {
                self->m_keysDelivered = 0;
                self->finishOp(op);
            }
            Q_EMIT self->DisplayChanged();
        });
}

std::optional<QString> HtmlEditView::documentHtml(int timeoutMs)
{
    // The engine takes time in proportion to the page to write it out and
    // hand it over: a read without a deadline of its own gets a millisecond
    // more for every thousand characters, so a big page is saved, not lost.
    if (timeoutMs < 0)
        timeoutMs = int(qMin<qint64>(m_readTimeout + m_lastKnown.size() / 1000, INT_MAX));
    const auto v = evaluate(QStringLiteral("qvBridge.html()"), timeoutMs);
    if (!v || v->typeId() != QMetaType::QString)
        return std::nullopt;
    m_lastKnown = v->toString();
    return m_lastKnown;
}

void HtmlEditView::setDocumentHtml(const QString &html)
{
    loadContent(html, m_sourceName);
}

void HtmlEditView::replaceDocumentHtml(const QString &html, const QString &atCaret)
{
    if (m_browse) {
        setDocumentHtml(html);
        insertHtml(atCaret);
        return;
    }
    m_source = html;
    m_lastKnown = html;
    const QString script = QStringLiteral("window.qvBridge ? qvBridge.replace(")
                           + HtmlMarkup::jsString(html) + u','
                           + HtmlMarkup::jsString(atCaret) + QStringLiteral(") : false");
    const Self self(this);
    enqueue([self, script, html, atCaret] {
        const quint64 id = self->m_current;
        self->page()->runJavaScript(
            script, QWebEngineScript::ApplicationWorld,
            [self, id, html, atCaret](const QVariant &done) {
                if (!self || id != self->m_current)
                    return;
                // A page without the bridge, or not being edited, gets the
                // document loaded; no answer at all is a page going away.
                if (done.typeId() == QMetaType::Bool && !done.toBool()) {
                    self->startLoad(html, self->m_sourceName, self->m_baseFolder);
                    self->insertHtml(atCaret);
                } else {
                    self->finishOp(id);
                }
            });
    });
}

bool HtmlEditView::LoadDocument(const QString &pathOrUrl, QString *error,
                                TextFiles::Format *format)
{
    const QUrl url(pathOrUrl);
    const bool isWebAddress = url.isValid() && url.scheme().size() > 1 && !url.isLocalFile()
                              && pathOrUrl.contains(QStringLiteral("://"));
    if (isWebAddress) {
        m_source.clear();
        const Self self(this);
        enqueue([self, url] { self->loadUrlNow(url); });
        return true;
    }
    const QString path = url.isLocalFile() ? url.toLocalFile() : pathOrUrl;
    QString text;
    QString why;
    TextFiles::Format read;
    // A folder or FIFO exists: the reader tells what it is instead.
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        why = QStringLiteral("The file does not exist.");
    } else if (!TextFiles::read(path, &text, &why, &read)) {
        // why holds the reason
    } else {
        if (format)
            *format = read;
        const QFileInfo info(path);
        m_baseFolder = info.absolutePath();
        // The engine cannot keep bytes that are no text: it shows them as a
        // browser does.
        loadContent(read.keptBytes ? TextEncodings::withKeptBytesShown(text) : text,
                    info.fileName());
        return true;
    }
    if (error)
        *error = why;
    return false;
}

bool HtmlEditView::SaveDocument(const QString &path, QString *error,
                                const TextFiles::Format &format)
{
    const auto html = documentHtml();
    if (!html) {
        if (error)
            *error = QStringLiteral("The page did not answer in time.");
        return false;
    }
    return TextFiles::write(path, *html, error, format);
}

void HtmlEditView::NewDocument()
{
    loadContent(kBlankDocument, QString());
}

void HtmlEditView::setBaseFolder(const QString &folder)
{
    m_baseFolder = folder;
}

// ---- modes ------------------------------------------------------------------------

void HtmlEditView::applySettings()
{
    QWebEngineSettings *s = settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, m_browse);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, !m_browse);
    s->setAttribute(QWebEngineSettings::JavascriptCanPaste, !m_browse);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
}

void HtmlEditView::setBrowseMode(bool on)
{
    if (on == m_browse)
        return;
    m_browse = on;
    // The document is loaded again as it stands, so page scripts start (or
    // stop) with it.
    const Self self(this);
    enqueue([self] {
        const quint64 id = self->m_current;
        self->page()->runJavaScript(
            QStringLiteral("window.qvBridge ? qvBridge.html() : null"),
            QWebEngineScript::ApplicationWorld, [self, id](const QVariant &v) {
                if (!self || id != self->m_current)
                    return;
                if (v.typeId() == QMetaType::QString) {
                    self->m_source = v.toString();
                    self->m_lastKnown = self->m_source;
                }
                self->startLoad(self->m_source, self->m_sourceName, self->m_baseFolder);
            });
    });
}

void HtmlEditView::setShowDetails(bool on)
{
    m_details = on;
    runQueued(QStringLiteral("window.qvBridge && qvBridge.editing && qvBridge.setDetails(%1)")
                  .arg(on ? "true" : "false"));
}

void HtmlEditView::setSnapToGrid(bool on)
{
    m_snap = on;
    runQueued(QStringLiteral("if (window.qvEdit) qvEdit.snapToGrid = %1").arg(on ? "true"
                                                                                 : "false"));
}

bool HtmlEditView::acceptsNavigation(const QUrl &url, bool mainFrame)
{
    if (!mainFrame || url == m_expectedUrl)
        return true;
    // While editing nothing replaces the document: not a link, not a
    // dropped file, not a refresh the page asks for.
    return m_browse;
}

QWebEngineView *HtmlEditView::createWindow(QWebEnginePage::WebWindowType)
{
    return nullptr;
}

// ---- commands ----------------------------------------------------------------------

namespace {

// The published command ids and how the view carries each out. Engine
// commands run in the engine as a browser's menu would run them; the rest go
// to the page's editing commands by id.
struct Command {
    int id;
    const char *engineName;  // nullptr: the page's editing command of that id
};

constexpr Command kCommands[] = {
    {5002, "copy"},
    {5003, "cut"},
    {5032, "paste"},
    {5035, "selectAll"},
};

constexpr int kFirstCommand = 5000;
constexpr int kLastCommand = 5051;

} // namespace

bool HtmlEditView::ExecCommand(int id)
{
    if (runOwnDialog(id))
        return true;
    for (const Command &c : kCommands) {
        if (c.id != id)
            continue;
        if (c.engineName)
            runQueued(QStringLiteral("window.qvEdit ? qvEdit.around(() => qvBridge.command('%1'))"
                                     " : qvBridge.command('%1')")
                          .arg(QLatin1String(c.engineName)));
        else
            runQueued(QStringLiteral("window.qvEdit && qvEdit.exec(%1)").arg(id));
        return true;
    }
    if (id < kFirstCommand || id > kLastCommand)
        return false;
    runQueued(QStringLiteral("window.qvEdit && qvEdit.exec(%1)").arg(id));
    return true;
}

void HtmlEditView::insertHtml(const QString &html)
{
    if (html.isEmpty())
        return;
    runQueued(QStringLiteral("qvBridge.insertHtml(%1)").arg(HtmlMarkup::jsString(html)));
}

std::optional<QString> HtmlEditView::selectedText(int timeoutMs)
{
    const auto v = evaluate(QStringLiteral("qvBridge.selectedText()"), timeoutMs);
    if (!v)
        return std::nullopt;
    return v->toString();
}

std::optional<QString> HtmlEditView::selectedHtml(int timeoutMs)
{
    const auto v = evaluate(QStringLiteral("qvBridge.selectedHtml()"), timeoutMs);
    if (!v)
        return std::nullopt;
    return v->toString();
}

std::optional<HtmlEditView::Selection> HtmlEditView::selection(int timeoutMs)
{
    const auto v = evaluate(QStringLiteral("qvBridge.selection()"), timeoutMs);
    const QVariantList pair = v ? v->toList() : QVariantList();
    if (pair.size() != 2)
        return std::nullopt;
    return Selection{pair.at(0).toString(), pair.at(1).toString()};
}

std::optional<QString> HtmlEditView::bodyHtml(int timeoutMs)
{
    const auto v = evaluate(QStringLiteral("window.qvBridge ? qvBridge.bodyHtml()"
                                           " : document.body ? document.body.innerHTML : ''"),
                            timeoutMs);
    if (!v || v->typeId() != QMetaType::QString)
        return std::nullopt;
    return v->toString();
}

// ---- keys, children and the renderer ---------------------------------------------

void HtmlEditView::childEvent(QChildEvent *event)
{
    if ((event->added() || event->polished()) && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    QWebEngineView::childEvent(event);
}

bool HtmlEditView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // The page's own undo and redo keys (editcommands.js takes the same
        // ones) act there, in turn with the keys around them; a window's menu
        // key would go ahead of them or behind, as its command waits for the
        // questions before it.
        auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers();
        if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier)
            && (key->key() == Qt::Key_Z || key->key() == Qt::Key_Y)) {
            key->accept();
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        ++m_keysDelivered;
        m_typingPause->start();
    } else if (event->type() == QEvent::InputMethod) {
        m_typingPause->start();
    }
    return QWebEngineView::eventFilter(watched, event);
}

void HtmlEditView::onRendererGone()
{
    // Whatever was under way died with the renderer.
    ++m_renderersLost;
    if (m_waitLoop)
        m_waitLoop->quit();
    m_current = 0;
    m_loadOp = 0;
    m_watchdog->stop();
    // A document that killed the renderer before it stood would kill every
    // renderer it is put back into: the one that stood before it returns.
    const bool refused = m_unproven;
    const QString refusedHtml = std::exchange(m_trial, QString());
    if (refused) {
        m_source = m_fallback.isNull() ? kBlankDocument : m_fallback;
        m_lastKnown = m_source;
        m_fallback = kBlankDocument;
    }
    m_unproven = false;
    const QString last = m_lastKnown;
    const QString name = m_sourceName;
    const QString folder = m_baseFolder;
    const Self self(this);
    m_ops.prepend(Op{[self, last, name, folder] { self->startLoad(last, name, folder); }});
    QTimer::singleShot(0, this, [self, refused, refusedHtml] {
        if (!self)
            return;
        self->startNext();
        Q_EMIT self->rendererRecovered();
        if (refused)
            Q_EMIT self->documentRefused(refusedHtml);
        else if (self->isVisible())
            self->tellRecovered();
    });
}

void HtmlEditView::tellRecovered()
{
    // Not in the middle of a read: the message waits until it is over.
    if (m_waiting) {
        QTimer::singleShot(100, this, &HtmlEditView::tellRecovered);
        return;
    }
    Prompter::tell(QStringLiteral("The page display stopped unexpectedly. The document has "
                                  "been restored as it was last read; changes made in the last "
                                  "moments may be missing."),
                   QStringLiteral("Assistant: Quorl"), Prompter::Icon::Exclamation);
}

#include "htmleditview.moc"
