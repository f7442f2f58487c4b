#include "ftpclient/transfercontrol.h"

#include "ftpclient/ftptiming.h"
#include "platform/regularfile.h"
#include "platform/textfiles.h"

#include <QFile>
#include <QSocketNotifier>
#include <QUrl>

#include <cctype>

namespace {

constexpr long bufferSize = 512 * 1024;

void initialiseCurlOnce()
{
    static const bool done = [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        return true;
    }();
    Q_UNUSED(done);
}

QByteArray encodedPath(const QString &path)
{
    QByteArrayList segments;
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    for (const QString &part : parts)
        segments << QUrl::toPercentEncoding(part);
    return segments.join('/');
}

// The server's reply to a refused command, when the last reply was one.
bool isRefusal(const QByteArray &reply)
{
    return reply.size() >= 3 && (reply.at(0) == '4' || reply.at(0) == '5')
        && std::isdigit(static_cast<unsigned char>(reply.at(1)))
        && std::isdigit(static_cast<unsigned char>(reply.at(2)));
}

} // namespace

struct TransferControl::Watch
{
    QSocketNotifier *read = nullptr;
    QSocketNotifier *write = nullptr;

    void dispose()
    {
        // The notifier may be the one whose signal is being handled right now.
        for (QSocketNotifier *notifier : {read, write}) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
};

TransferControl::TransferControl(QObject *parent) : QObject(parent)
{
    initialiseCurlOnce();
    m_multi = curl_multi_init();
    m_easy = curl_easy_init();
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &TransferControl::onSocket);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &TransferControl::onTimer);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);

    m_curlTimer.setSingleShot(true);
    connect(&m_curlTimer, &QTimer::timeout, this, [this] { drive(CURL_SOCKET_TIMEOUT, 0); });
    m_deliverTimer.setSingleShot(true);
    m_deliverTimer.setInterval(0);
    connect(&m_deliverTimer, &QTimer::timeout, this, &TransferControl::deliver);
}

TransferControl::~TransferControl()
{
    m_curlTimer.stop();
    curl_multi_remove_handle(m_multi, m_easy);
    curl_easy_cleanup(m_easy);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, nullptr);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, nullptr);
    curl_multi_cleanup(m_multi);
    qDeleteAll(m_watches);
    curl_slist_free_all(m_quote);
}

QString TransferControl::stateText(int state)
{
    static const char *const texts[] = {
        "None", "Resolving host", "Host Resolved", "Connecting", "Connected", "Requesting",
        "Request Sent", "Recieving Response", "Response Recieved", "Disconnecting",
        "Disconnected", "Error", "Response Completed"};
    if (state < 0 || state > ResponseCompleted)
        return QString();
    return QString::fromLatin1(texts[state]);
}

bool TransferControl::Execute(const QString &operation)
{
    const auto op = FtpOperation::parse(operation);
    if (!op) {
        m_error = QStringLiteral("Unknown operation: %1").arg(operation.section(u' ', 0, 0));
        return false;
    }
    return execute(*op);
}

QString TransferControl::sessionKey() const
{
    return URL + u'\n' + UserName + u'\n' + Password;
}

bool TransferControl::execute(const FtpOperation &operation)
{
    if (m_busy) {
        m_error = QStringLiteral("Still executing last request");
        return false;
    }
    if (Protocol != 2) {
        m_error = QStringLiteral("Only the FTP protocol is supported");
        return false;
    }
    if (URL.trimmed().isEmpty()) {
        m_error = QStringLiteral("No server address is set: sign in with Connect first");
        return false;
    }
    if (serverBase().isEmpty()) {
        // Not echoed: an address may carry a password.
        m_error = QStringLiteral("The server address is not a valid FTP address");
        return false;
    }
    const QStringList names = operation.remoteNames();
    for (const QString &name : names) {
        if (FtpOperation::isUnsafeName(name)) {
            m_error = QStringLiteral("The name contains a line break or a NUL character, "
                                     "so it was not sent to the server");
            return false;
        }
    }

    m_op = operation;
    if (m_op.kind == FtpOperation::Put) {
        // A FIFO would freeze the client for good and /dev/zero never ends.
        auto file = std::make_unique<QFile>(m_op.first);
        QString why;
        if (!RegularFile::openForReading(*file, &why)) {
            m_error = QStringLiteral("Cannot read \"%1\": %2").arg(m_op.first, why);
            return false;
        }
        m_upload = std::move(file);
    } else if (m_op.kind == FtpOperation::Get) {
        // The target is replaced only when the whole file has arrived.
        auto file = std::make_unique<TextFiles::Replacement>(m_op.second);
        if (!file->open()) {
            m_error = QStringLiteral("Cannot write \"%1\": %2").arg(m_op.second,
                                                                   file->errorString());
            return false;
        }
        m_download = std::move(file);
    }

    if (m_folderSession != sessionKey()) {
        m_folder.clear();
        m_connected = false;
    }
    m_busy = true;
    m_operationDone = false;
    m_queue.clear();
    m_response.clear();
    m_chunkPos = 0;
    m_sawReply = m_sawBody = m_announcedSent = m_announcedReceiving = false;
    m_writeFailed = false;
    m_lastReply.clear();

    if (m_op.kind == FtpOperation::Close && !m_connected) {
        enqueue(Disconnecting);
        finishOperation(false, QString());
        return true;
    }
    enqueue(m_op.kind == FtpOperation::Close ? Disconnecting
            : m_connected                    ? Requesting
                                             : Connecting);
    const Step first = m_folder.isEmpty() && m_op.kind != FtpOperation::Close ? Step::Locate
                                                                              : Step::Main;
    if (!startRequest(first)) {
        finishOperation(true, m_error);
    }
    return true;
}

QUrl TransferControl::address() const
{
    QString text = URL.trimmed();
    if (!text.isEmpty() && !text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("ftp://"));
    return QUrl(text);
}

QByteArray TransferControl::serverBase() const
{
    const QUrl url = address();
    if (!url.isValid() || url.host().isEmpty()
        || url.scheme().compare(QLatin1String("ftp"), Qt::CaseInsensitive) != 0)
        return {};
    QByteArray host = url.host(QUrl::FullyEncoded).toUtf8();
    if (host.contains(':'))
        host = '[' + host + ']';
    return "ftp://" + host + ':' + QByteArray::number(url.port(21));
}

QByteArray TransferControl::folderUrl(const QString &folder) const
{
    const QByteArray path = encodedPath(folder);
    return serverBase() + "/%2F" + path + (path.isEmpty() ? "" : "/");
}

QByteArray TransferControl::fileUrl(const QString &path) const
{
    return serverBase() + "/%2F" + encodedPath(path);
}

bool TransferControl::startRequest(Step step)
{
    m_step = step;
    curl_easy_reset(m_easy);
    m_curlError[0] = '\0';
    curl_easy_setopt(m_easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_easy, CURLOPT_ERRORBUFFER, m_curlError);
    curl_easy_setopt(m_easy, CURLOPT_PROTOCOLS_STR, "ftp");
    // Credentials written into the address count when the fields are empty,
    // but they always travel as credentials, never inside the request address.
    const QUrl url = address();
    const QByteArray user = (UserName.isEmpty() ? url.userName() : UserName).toUtf8();
    const QByteArray password = (UserName.isEmpty() ? url.password() : Password).toUtf8();
    if (!user.isEmpty()) {
        curl_easy_setopt(m_easy, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(m_easy, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(m_easy, CURLOPT_HEADERFUNCTION, &TransferControl::onReply);
    curl_easy_setopt(m_easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &TransferControl::onBody);
    curl_easy_setopt(m_easy, CURLOPT_WRITEDATA, this);
    const long timeout = FtpTiming::timeoutSeconds();
    curl_easy_setopt(m_easy, CURLOPT_CONNECTTIMEOUT, timeout);
    curl_easy_setopt(m_easy, CURLOPT_SERVER_RESPONSE_TIMEOUT, timeout);
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(m_easy, CURLOPT_LOW_SPEED_TIME, timeout);
    curl_easy_setopt(m_easy, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(m_easy, CURLOPT_BUFFERSIZE, bufferSize);
    curl_easy_setopt(m_easy, CURLOPT_UPLOAD_BUFFERSIZE, bufferSize);

    QByteArray request;
    if (step == Step::Locate) {
        // Paths in an FTP address are relative to the login folder.
        const QByteArray path = encodedPath(url.path());
        request = serverBase() + '/' + path + (path.isEmpty() ? "" : "/");
        curl_easy_setopt(m_easy, CURLOPT_NOBODY, 1L);
    } else {
        request = configureMain();
    }
    curl_easy_setopt(m_easy, CURLOPT_URL, request.constData());
    if (curl_multi_add_handle(m_multi, m_easy) != CURLM_OK) {
        m_error = QStringLiteral("The transfer could not be started");
        return false;
    }
    return true;
}

QByteArray TransferControl::configureMain()
{
    curl_slist_free_all(m_quote);
    m_quote = nullptr;
    auto quote = [this](const QString &command) {
        m_quote = curl_slist_append(m_quote, command.toUtf8().constData());
    };
    auto resolved = [this](const QString &name) { return RemotePath::resolve(m_folder, name); };

    switch (m_op.kind) {
    case FtpOperation::Dir:
        curl_easy_setopt(m_easy, CURLOPT_DIRLISTONLY, 1L);
        return folderUrl(m_folder);
    case FtpOperation::Cd:
    case FtpOperation::CdUp:
        m_target = m_op.kind == FtpOperation::Cd ? resolved(m_op.first)
                                                 : RemotePath::parent(m_folder);
        curl_easy_setopt(m_easy, CURLOPT_NOBODY, 1L);
        return folderUrl(m_target);
    case FtpOperation::MkDir:
        quote(QStringLiteral("MKD ") + resolved(m_op.first));
        break;
    case FtpOperation::RmDir:
        quote(QStringLiteral("RMD ") + resolved(m_op.first));
        break;
    case FtpOperation::Delete:
        quote(QStringLiteral("DELE ") + resolved(m_op.first));
        break;
    case FtpOperation::Rename:
        quote(QStringLiteral("RNFR ") + resolved(m_op.first));
        quote(QStringLiteral("RNTO ") + resolved(m_op.second));
        break;
    case FtpOperation::Put:
        curl_easy_setopt(m_easy, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(m_easy, CURLOPT_READFUNCTION, &TransferControl::onUploadRead);
        curl_easy_setopt(m_easy, CURLOPT_READDATA, this);
        curl_easy_setopt(m_easy, CURLOPT_INFILESIZE_LARGE, curl_off_t(m_upload->size()));
        return fileUrl(resolved(m_op.second));
    case FtpOperation::Get:
        return fileUrl(resolved(m_op.first));
    case FtpOperation::Close:
        // Closing after this request sends QUIT.
        curl_easy_setopt(m_easy, CURLOPT_FORBID_REUSE, 1L);
        break;
    }
    curl_easy_setopt(m_easy, CURLOPT_NOBODY, 1L);
    if (m_quote)
        curl_easy_setopt(m_easy, CURLOPT_QUOTE, m_quote);
    return folderUrl(m_folder.isEmpty() ? QStringLiteral("/") : m_folder);
}

int TransferControl::onSocket(CURL *, curl_socket_t socket, int what, void *self, void *)
{
    auto *control = static_cast<TransferControl *>(self);
    Watch *watch = control->m_watches.value(socket);
    if (what == CURL_POLL_REMOVE) {
        if (watch) {
            control->m_watches.remove(socket);
            watch->dispose();
            delete watch;
        }
        return 0;
    }
    if (!watch) {
        watch = new Watch;
        watch->read = new QSocketNotifier(socket, QSocketNotifier::Read, control);
        watch->write = new QSocketNotifier(socket, QSocketNotifier::Write, control);
        connect(watch->read, &QSocketNotifier::activated, control,
                [control, socket] { control->drive(socket, CURL_CSELECT_IN); });
        connect(watch->write, &QSocketNotifier::activated, control,
                [control, socket] { control->drive(socket, CURL_CSELECT_OUT); });
        control->m_watches.insert(socket, watch);
    }
    watch->read->setEnabled(what & CURL_POLL_IN);
    watch->write->setEnabled(what & CURL_POLL_OUT);
    return 0;
}

int TransferControl::onTimer(CURLM *, long timeoutMs, void *self)
{
    auto *control = static_cast<TransferControl *>(self);
    if (timeoutMs < 0)
        control->m_curlTimer.stop();
    else
        control->m_curlTimer.start(int(timeoutMs));
    return 0;
}

size_t TransferControl::onBody(char *data, size_t size, size_t count, void *self)
{
    auto *control = static_cast<TransferControl *>(self);
    const size_t bytes = size * count;
    control->m_sawBody = true;
    if (control->m_download) {
        if (!control->m_download->write(data, qint64(bytes))) {
            control->m_writeFailed = true;
            return 0;
        }
    } else {
        control->m_body.append(data, qsizetype(bytes));
    }
    return bytes;
}

size_t TransferControl::onReply(char *data, size_t size, size_t count, void *self)
{
    auto *control = static_cast<TransferControl *>(self);
    const size_t bytes = size * count;
    control->m_sawReply = true;
    const QByteArray line = QByteArray(data, qsizetype(bytes)).trimmed();
    if (!line.isEmpty())
        control->m_lastReply = line;
    return bytes;
}

size_t TransferControl::onUploadRead(char *buffer, size_t size, size_t count, void *self)
{
    auto *control = static_cast<TransferControl *>(self);
    const qint64 read = control->m_upload->read(buffer, qint64(size * count));
    if (read < 0)
        return CURL_READFUNC_ABORT;
    return size_t(read);
}

void TransferControl::drive(curl_socket_t socket, int action)
{
    int running = 0;
    curl_multi_socket_action(m_multi, socket, action, &running);
    if (running > 0 && !watching()) {
        // libcurl 7.88 can read a passive-mode reply at once and then wait for
        // a data connection it has not opened yet, with no socket to watch.
        // Running every transfer once more opens it and names its socket.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        curl_multi_socket_all(m_multi, &running);
#pragma GCC diagnostic pop
    }
    observe();
    readMessages();
}

bool TransferControl::watching() const
{
    for (const Watch *watch : m_watches) {
        if (watch->read->isEnabled() || watch->write->isEnabled())
            return true;
    }
    return false;
}

// Turns what the callbacks noted into states; runs outside every callback.
void TransferControl::observe()
{
    if (!m_busy || m_op.kind == FtpOperation::Close)
        return;
    if (!m_connected && m_sawReply) {
        m_connected = true;
        enqueue(Connected);
        enqueue(Requesting);
    }
    if (m_step != Step::Main)
        return;
    if (!m_announcedSent) {
        curl_off_t pretransfer = 0;
        curl_easy_getinfo(m_easy, CURLINFO_PRETRANSFER_TIME_T, &pretransfer);
        if (pretransfer > 0) {
            m_announcedSent = true;
            enqueue(RequestSent);
        }
    }
    if (m_sawBody && !m_announcedReceiving) {
        m_announcedReceiving = true;
        enqueue(ReceivingResponse);
    }
}

void TransferControl::readMessages()
{
    int left = 0;
    while (CURLMsg *message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg != CURLMSG_DONE || message->easy_handle != m_easy)
            continue;
        const CURLcode code = message->data.result;
        // Asked before the handle leaves the multi handle, which owns the connection.
        curl_socket_t socket = CURL_SOCKET_BAD;
        curl_easy_getinfo(m_easy, CURLINFO_ACTIVESOCKET, &socket);
        const char *entry = nullptr;
        curl_easy_getinfo(m_easy, CURLINFO_FTP_ENTRY_PATH, &entry);
        m_entryPath = entry ? QString::fromUtf8(entry) : QString();
        curl_multi_remove_handle(m_multi, m_easy);
        requestDone(code, socket != CURL_SOCKET_BAD);
        return;
    }
}

void TransferControl::requestDone(CURLcode code, bool connectionAlive)
{
    if (m_step == Step::Locate) {
        if (code != CURLE_OK) {
            m_connected = connectionAlive;
            finishOperation(true, failureText(code));
            return;
        }
        const QString entry = m_entryPath.isEmpty() ? QStringLiteral("/") : m_entryPath;
        m_folder = RemotePath::resolve(entry, address().path().mid(1));
        m_folderSession = sessionKey();
        if (!startRequest(Step::Main))
            finishOperation(true, m_error);
        return;
    }

    observe();
    m_connected = connectionAlive;
    bool failed = code != CURLE_OK || m_writeFailed;
    QString response;
    if (!failed && m_download && !m_download->commit()) {
        failed = true;
        response = QStringLiteral("Cannot write \"%1\": %2").arg(m_op.second,
                                                                m_download->errorString());
    } else if (failed) {
        response = m_writeFailed ? QStringLiteral("Cannot write \"%1\": %2")
                                       .arg(m_op.second, m_download->errorString())
                                 : failureText(code);
    } else if (m_op.kind == FtpOperation::Dir) {
        response = TextFiles::toCrLf(TextFiles::decode(m_body));
    }
    if (!failed && (m_op.kind == FtpOperation::Cd || m_op.kind == FtpOperation::CdUp))
        m_folder = m_target;
    if (m_op.kind == FtpOperation::Close) {
        m_connected = false;
        m_folder.clear();
        m_folderSession.clear();
    }
    finishOperation(failed, response);
}

QString TransferControl::failureText(CURLcode code) const
{
    if (isRefusal(m_lastReply))
        return QString::fromUtf8(m_lastReply);
    if (m_curlError[0])
        return QString::fromUtf8(m_curlError);
    return QString::fromUtf8(curl_easy_strerror(code));
}

void TransferControl::releaseFiles(bool keepDownload)
{
    if (m_download && !keepDownload)
        m_download->cancel();
    m_download.reset();
    m_upload.reset();
    m_body.clear();
    curl_slist_free_all(m_quote);
    m_quote = nullptr;
}

void TransferControl::finishOperation(bool failed, const QString &response)
{
    releaseFiles(!failed);
    m_response = response;
    m_chunkPos = 0;
    if (m_op.kind == FtpOperation::Close) {
        enqueue(Disconnected);
    } else {
        // The last line of the log tells that the operation is over, also for
        // one that received nothing (an upload, a rename).
        if (m_announcedReceiving || !failed)
            enqueue(ResponseReceived);
        if (failed || m_op.kind == FtpOperation::Dir)
            enqueue(ResponseCompleted);
        if (failed)
            enqueue(Error);
    }
    m_operationDone = true;
    if (!m_deliverTimer.isActive())
        m_deliverTimer.start();
}

void TransferControl::enqueue(int state)
{
    m_queue.append(state);
    if (!m_deliverTimer.isActive())
        m_deliverTimer.start();
}

void TransferControl::deliver()
{
    // A handler that processes events must not see later states before it returns.
    if (m_delivering)
        return;
    m_delivering = true;
    while (!m_queue.isEmpty())
        emit StateChanged(m_queue.takeFirst());
    m_delivering = false;
    if (m_operationDone && m_busy) {
        m_operationDone = false;
        m_busy = false;
        emit idle();
    }
}

QString TransferControl::GetChunk(int size)
{
    const QString chunk = m_response.mid(m_chunkPos, size);
    m_chunkPos += chunk.size();
    return chunk;
}

void TransferControl::Cancel()
{
    if (!m_busy)
        return;
    curl_multi_remove_handle(m_multi, m_easy);
    releaseFiles(false);
    m_queue.clear();
    m_operationDone = false;
    m_busy = false;
    // A handler may have cancelled from inside its state; the next operation's
    // states must not wait for that handler to return.
    m_delivering = false;
    // The connection may have been dropped with the transfer.
    m_connected = false;
    // The log tells that the operation ended.
    emit StateChanged(Disconnected);
    emit idle();
}
