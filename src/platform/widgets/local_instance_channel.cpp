#include "platform/widgets/local_instance_channel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalSocket>

#include <sys/stat.h>
#include <unistd.h>

namespace lw::platform {

namespace {

const QByteArray Request = QByteArrayLiteral("raise\n");
const QByteArray Answer = QByteArrayLiteral("ok\n");
// A copy busy for longer than this is taken for hung: the new start then runs on its own.
constexpr int AnswerTimeoutMs = 2000;

// A folder that is ours alone: a real folder, not a link, owned by us, closed to others.
bool isPrivate(const QString &folder)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode)
            && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

QString socketPath(const QString &settingsFolder, const QString &runtimeFolder)
{
    if (runtimeFolder.isEmpty() || !isPrivate(runtimeFolder))
        return {};
    // Short enough for a socket address whatever the settings folder's length.
    const QByteArray key = QCryptographicHash::hash(
            QFile::encodeName(QDir::cleanPath(settingsFolder)), QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(24);
    return runtimeFolder + u"/loanwright-" + QString::fromLatin1(key);
}

} // namespace

QString privateRuntimeFolder()
{
    QString runtime = QFile::decodeName(qgetenv("XDG_RUNTIME_DIR"));
    if (runtime.startsWith(u'/') && isPrivate(runtime))
        return runtime;
    const QString own = QDir::tempPath() + u"/loanwright-" + QString::number(::geteuid());
    ::mkdir(QFile::encodeName(own).constData(), 0700); // an existing one is checked below
    return isPrivate(own) ? own : QString();
}

LocalInstanceChannel::LocalInstanceChannel(
        const QString &settingsFolder, const QString &runtimeFolder)
    : m_path(socketPath(settingsFolder, runtimeFolder))
{ }

LocalInstanceChannel::~LocalInstanceChannel() = default;

bool LocalInstanceChannel::askRunningCopy()
{
    if (m_path.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(AnswerTimeoutMs))
        return false;
    socket.write(Request);
    if (!socket.waitForBytesWritten(AnswerTimeoutMs))
        return false;
    while (socket.bytesAvailable() < Answer.size() && socket.waitForReadyRead(AnswerTimeoutMs)) { }
    return socket.readAll() == Answer;
}

bool LocalInstanceChannel::serve(std::function<void()> raise)
{
    m_raise = std::move(raise);
    if (m_server || m_path.isEmpty())
        return m_server != nullptr;
    m_server = std::make_unique<QLocalServer>();
    if (!listen()) {
        m_server.reset();
        return false;
    }
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection())
            answer(socket);
    });
    return true;
}

bool LocalInstanceChannel::listen()
{
    if (m_server->listen(m_path))
        return true;
    if (m_server->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    // The name is taken: by a copy that runs, which keeps it, or by one that died.
    QLocalSocket probe;
    probe.connectToServer(m_path);
    if (probe.waitForConnected(AnswerTimeoutMs))
        return false;
    QLocalServer::removeServer(m_path);
    return m_server->listen(m_path);
}

void LocalInstanceChannel::answer(QLocalSocket *socket)
{
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        if (socket->bytesAvailable() < Request.size())
            return;
        const bool asked = socket->read(Request.size()) == Request;
        if (asked)
            socket->write(Answer);
        socket->disconnectFromServer();
        if (asked && m_raise)
            m_raise();
    });
}

} // namespace lw::platform
