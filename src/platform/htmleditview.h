#pragma once

#include "platform/textfiles.h"

#include <QHash>
#include <QPointer>
#include <QQueue>
#include <QUrl>
#include <QWebEngineView>

#include <functional>
#include <memory>
#include <optional>

class QEventLoop;
class HtmlFindDialog;
class QTimer;
class QWebChannel;
class HtmlEditHost;

// The visual HTML editing control: a page in design mode on the engine.
//
// Operations run in the order they are called: a put or a load is finished
// before a later read or command reaches the page. Reads that a caller needs
// at once go through one waiting helper with a deadline; on timeout they give
// no result, and the caller changes nothing. Loading never destroys: a file
// that cannot be read leaves the current document as it was.
//
// What the document holds is only what the user and the program put there:
// editing uses design mode, the bridge runs in the application's own script
// world and its styles are adopted sheets, and page scripts are off while
// editing (BrowseMode runs the page as a browser would).
class HtmlEditView : public QWebEngineView
{
    Q_OBJECT

public:
    // Registers the scheme the documents are served from. main() calls it
    // before the application object exists; the first view calls it too.
    static void registerScheme();

    explicit HtmlEditView(QWidget *parent = nullptr);
    ~HtmlEditView() override;

    // The whole document as HTML, or no result when the page did not answer
    // before the deadline (a negative deadline: readTimeout(), and more for a
    // big page).
    std::optional<QString> documentHtml(int timeoutMs = -1);
    // The last text read, put or loaded: for callers that may show an
    // older state (never for writing back).
    QString lastKnownHtml() const { return m_lastKnown; }
    // Replaces the document; a fragment is wrapped in html, head and body.
    // Relative links resolve against baseFolder() (the last loaded file's
    // folder unless set).
    void setDocumentHtml(const QString &html);
    // Replaces the document being edited as one editing step: Undo takes it
    // back and the steps before it stay. Only the stretch that differs is
    // written. A view that is not editing (browse mode) loads it instead.
    // atCaret goes in at the caret, in place of the selection, in that same
    // step.
    void replaceDocumentHtml(const QString &html, const QString &atCaret = {});

    // Loads a file (read first: a failure returns false with the reason and
    // changes nothing) or, given a web address, that page. format receives
    // how a file was stored; SaveDocument writes the page that way.
    bool LoadDocument(const QString &pathOrUrl, QString *error = nullptr,
                      TextFiles::Format *format = nullptr);
    bool SaveDocument(const QString &path, QString *error = nullptr,
                      const TextFiles::Format &format = {});
    void NewDocument();

    QString baseFolder() const { return m_baseFolder; }
    void setBaseFolder(const QString &folder);

    bool BrowseMode() const { return m_browse; }
    void setBrowseMode(bool on);
    bool ShowDetails() const { return m_details; }
    void setShowDetails(bool on);
    bool SnapToGrid() const { return m_snap; }
    void setSnapToGrid(bool on);

    // Runs a published command id; false for an id the view does not know.
    bool ExecCommand(int id);
    // Inserts markup at the caret, replacing the selection, exactly as given
    // (scripts, comments and event attributes included). Queued like a put.
    void insertHtml(const QString &html);

    std::optional<QString> selectedText(int timeoutMs = -1);
    std::optional<QString> selectedHtml(int timeoutMs = -1);
    // The selection's text and its markup, read together.
    struct Selection {
        QString text;
        QString html;
    };
    std::optional<Selection> selection(int timeoutMs = -1);
    // The inside of the body as the engine holds it (tags in its own case),
    // or no result when the page did not answer in time.
    std::optional<QString> bodyHtml(int timeoutMs = -1);

    // The one waiting helper: evaluates an expression in the bridge's world
    // after all earlier operations, once the keys already delivered have
    // reached the page, and waits for its value without taking user input.
    // No result on timeout, or when another wait is under way (a timer
    // firing during a wait must not start a second one).
    std::optional<QVariant> evaluate(const QString &script, int timeoutMs = -1);
    bool isWaiting() const { return m_waiting; }
    // True while the last read the page was asked for went unanswered: what
    // the user sees may not be saved.
    bool lastReadFailed() const { return m_readFailed; }
    // Runs a script in the bridge's world after all earlier operations.
    void runQueued(const QString &script,
                   std::function<void(const QVariant &)> done = nullptr);
    // True once every queued operation has finished.
    bool isIdle() const { return !m_current && m_ops.isEmpty(); }

    // The deadline of a read given no deadline of its own.
    int readTimeout() const { return m_readTimeout; }
    void setReadTimeout(int ms) { m_readTimeout = ms; }

    // Positioned elements and form controls are edited as objects: a click
    // selects one, dragging moves it, the handles resize it. These entry
    // points do what the mouse does, at points in view coordinates; each is
    // queued like a put.
    // Inserts markup at a point: at the point itself when absolute drop mode
    // is on, else in the flow where the point falls. A dropped drag from
    // another view arrives through the same path.
    void insertHtmlAt(const QString &html, const QPoint &point);
    // Selects the object at a point (nothing when there is none there).
    void selectObjectAt(const QPoint &point);
    // Moves the selected object (inline left and top, in pixels) or
    // resizes it (inline width and height).
    void moveObjectTo(int left, int top);
    void resizeObjectTo(int width, int height);
    bool AbsoluteDropMode() const { return m_absoluteDrop; }
    void setAbsoluteDropMode(bool on);
    // A staging view offers its whole content as one piece to drag into
    // another view, instead of editing objects in place.
    bool StagingMode() const { return m_staging; }
    void setStagingMode(bool on);

Q_SIGNALS:
    void DisplayChanged();
    void onkeypress(int keyAscii);
    void onmousemove();
    // The user or a command changed the document (not a put or a load).
    void contentChanged();
    // The renderer died and the view put its last document back.
    void rendererRecovered();
    // The renderer died while a document was being put in place (a page too
    // large for the engine): the document before it stands again, and html
    // is left to whoever gave it.
    void documentRefused(const QString &html);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void childEvent(QChildEvent *event) override;
    QWebEngineView *createWindow(QWebEnginePage::WebWindowType type) override;

private:
    friend class HtmlEditHost;
    friend class HtmlEditPage;

    struct Op {
        std::function<void()> start;
    };
    // What the view's callbacks hold of it. The engine answers every
    // question still open when the page, a child, goes: after this view's
    // own members, but before a QPointer to it would clear.
    class Self
    {
    public:
        explicit Self(HtmlEditView *view) : m_view(view), m_life(view->m_life) {}
        explicit operator bool() const { return !m_life.expired(); }
        HtmlEditView *operator->() const { return m_view; }

    private:
        HtmlEditView *m_view;
        std::weak_ptr<const bool> m_life;
    };
    void enqueue(std::function<void()> start);
    void startNext();
    void finishOp(quint64 id);
    void loadContent(const QString &html, const QString &fileName);
    void startLoad(const QString &html, const QString &fileName, const QString &folder);
    void loadUrlNow(const QUrl &url);
    void onLoadFinished(bool ok);
    void onRendererGone();
    void tellRecovered();
    void applySettings();
    bool acceptsNavigation(const QUrl &url, bool mainFrame);
    // The control's own find, font, hyperlink and image dialogs (5008,
    // 5009, 5016, 5017); false for any other id.
    bool runOwnDialog(int id);
    // Hands the object settings to every later document; the second also
    // to the document in place.
    void applyObjectSettings();
    void tellObjectSettings();
    QString pagePoint(const QPoint &point) const;

    HtmlEditHost *m_host = nullptr;
    QWebChannel *m_channel = nullptr;
    QQueue<Op> m_ops;
    quint64 m_current = 0;   // id of the operation under way, 0 when idle
    quint64 m_nextId = 0;
    quint64 m_loadOp = 0;    // the operation that waits for the page to load
    QTimer *m_watchdog = nullptr;
    QTimer *m_snapshot = nullptr;
    QTimer *m_typingPause = nullptr;  // a pause in typing ends the undo step
    QUrl m_expectedUrl;      // the load under way, the only navigation allowed
    QString m_token;         // names this view's current document to the scheme
    QString m_lastKnown;
    QString m_pendingFill;   // the document the load under way puts in place
    QString m_fallback;      // what stood before the load under way
    QString m_trial;         // the document of the load under way, until it stands
    bool m_unproven = false; // the load under way has not stood in place yet
    QString m_source;        // the document last put or loaded
    QString m_sourceName;
    QString m_baseFolder;
    bool m_browse = false;
    bool m_details = false;
    bool m_snap = false;
    bool m_waiting = false;
    bool m_readFailed = false;
    QEventLoop *m_waitLoop = nullptr;  // the wait under way
    int m_renderersLost = 0;
    int m_readTimeout = 10000;
    int m_keysDelivered = 0;
    QPointer<HtmlFindDialog> m_find;
    bool m_absoluteDrop = false;
    bool m_staging = false;
    const std::shared_ptr<const bool> m_life = std::make_shared<const bool>(true);
};
