#pragma once

#include "ftpclient/ftpoperation.h"
#include "platform/textfiles.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <curl/curl.h>

#include <memory>

class QFile;
class QSocketNotifier;
class QUrl;

// The Internet transfer control: FTP operations over one reused libcurl
// connection, driven from the UI thread's event loop (no worker thread).
//
// States are queued and delivered from the event loop, never from inside a
// libcurl callback, and StillExecuting stays true until the last state of an
// operation was delivered. Remote paths are tracked here and sent absolute.
class TransferControl : public QObject
{
    Q_OBJECT

public:
    enum State {
        None = 0, ResolvingHost, HostResolved, Connecting, Connected, Requesting,
        RequestSent, ReceivingResponse, ResponseReceived, Disconnecting, Disconnected,
        Error, ResponseCompleted
    };

    explicit TransferControl(QObject *parent = nullptr);
    ~TransferControl() override;

    int Protocol = 2;
    QString URL;
    QString UserName;
    QString Password;

    bool StillExecuting() const { return m_busy; }
    // Starts an operation. False when it cannot start; errorString() says why.
    bool Execute(const QString &operation);
    bool execute(const FtpOperation &operation);
    // The next chunk of the last response; empty once it is all read.
    QString GetChunk(int size);
    // Abandons the running operation at once.
    void Cancel();

    QString errorString() const { return m_error; }
    // Absolute remote folder; empty until the first connection found it.
    QString currentFolder() const { return m_folder; }

    static QString stateText(int state);

signals:
    void StateChanged(int state);
    // StillExecuting has just turned false.
    void idle();

private:
    enum class Step { Locate, Main };
    struct Watch;

    bool startRequest(Step step);
    QByteArray configureMain();
    void requestDone(CURLcode code, bool connectionAlive);
    void finishOperation(bool failed, const QString &response);
    void releaseFiles(bool keepDownload);
    QByteArray folderUrl(const QString &folder) const;
    QByteArray fileUrl(const QString &path) const;
    QUrl address() const;
    QByteArray serverBase() const;
    QString sessionKey() const;
    QString failureText(CURLcode code) const;

    void enqueue(int state);
    void deliver();
    void drive(curl_socket_t socket, int action);
    void observe();
    bool watching() const;
    void readMessages();

    static int onSocket(CURL *, curl_socket_t socket, int what, void *self, void *);
    static int onTimer(CURLM *, long timeoutMs, void *self);
    static size_t onBody(char *data, size_t size, size_t count, void *self);
    static size_t onReply(char *data, size_t size, size_t count, void *self);
    static size_t onUploadRead(char *buffer, size_t size, size_t count, void *self);

    CURLM *m_multi = nullptr;
    CURL *m_easy = nullptr;
    QTimer m_curlTimer;
    QHash<curl_socket_t, Watch *> m_watches;

    bool m_busy = false;
    bool m_operationDone = false;
    bool m_delivering = false;
    QList<int> m_queue;
    QTimer m_deliverTimer;

    FtpOperation m_op;
    Step m_step = Step::Main;
    QString m_target;             // absolute path the operation acts on
    QString m_folder;             // tracked remote folder
    QString m_folderSession;      // the server and user m_folder belongs to
    bool m_connected = false;
    bool m_sawReply = false;
    bool m_sawBody = false;
    bool m_announcedSent = false;
    bool m_announcedReceiving = false;
    QString m_entryPath;

    QByteArray m_body;
    QByteArray m_lastReply;
    std::unique_ptr<TextFiles::Replacement> m_download;
    std::unique_ptr<QFile> m_upload;
    bool m_writeFailed = false;
    curl_slist *m_quote = nullptr;
    char m_curlError[CURL_ERROR_SIZE] = {};
    QString m_error;

    QString m_response;
    qsizetype m_chunkPos = 0;
};
