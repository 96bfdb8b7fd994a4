#include "platform/local_instance_channel.h"

#include <algorithm>
#include <cerrno>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace lw::platform {

namespace {

constexpr char Request[] = "raise\n";
constexpr char Answer[] = "ok\n";
// A copy busy for longer than this is taken for hung: the new start then runs on its own.
constexpr timeval AnswerTimeout{ 2, 0 };

// A folder that is ours alone: a real folder, not a link, owned by us, closed to others.
bool isPrivate(const QString &folder)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode)
            && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

QByteArray socketPath(const QString &settingsFolder, const QString &runtimeFolder)
{
    if (runtimeFolder.isEmpty() || !isPrivate(runtimeFolder))
        return {};
    // Short, whatever the settings folder's length: a socket's address has little room.
    const QByteArray key = QCryptographicHash::hash(
            QFile::encodeName(QDir::cleanPath(settingsFolder)), QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(24);
    const QByteArray path = QFile::encodeName(runtimeFolder) + "/loanwright-" + key;
    return path.size() < qsizetype(sizeof(sockaddr_un::sun_path)) ? path : QByteArray();
}

sockaddr_un addressOf(const QByteArray &path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::copy(path.begin(), path.end(), address.sun_path);
    return address;
}

// A stream socket connected to the path, or -1.
int connectTo(const QByteArray &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un address = addressOf(path);
    if (fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}

bool bindTo(int fd, const QByteArray &path)
{
    const sockaddr_un address = addressOf(path);
    return ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
}

// Reads until `size` bytes came, the other end closed, or the socket's timeout passed.
QByteArray readUpTo(int fd, qsizetype size)
{
    QByteArray bytes(size, '\0');
    qsizetype got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(size - got));
        if (n <= 0 && !(n < 0 && errno == EINTR))
            break;
        got += std::max<ssize_t>(n, 0);
    }
    bytes.truncate(got);
    return bytes;
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

LocalInstanceChannel::~LocalInstanceChannel()
{
    m_clients.clear();
    m_accepting.reset();
    if (m_server < 0)
        return;
    ::close(m_server);
    ::unlink(m_path.constData());
}

bool LocalInstanceChannel::askRunningCopy()
{
    const int fd = m_path.isEmpty() ? -1 : connectTo(m_path);
    if (fd < 0)
        return false;
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &AnswerTimeout, sizeof AnswerTimeout);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &AnswerTimeout, sizeof AnswerTimeout);
    const bool answered =
            ::send(fd, Request, sizeof Request - 1, MSG_NOSIGNAL) == ssize_t(sizeof Request - 1)
            && readUpTo(fd, sizeof Answer - 1) == Answer;
    ::close(fd);
    return answered;
}

bool LocalInstanceChannel::serve(std::function<void()> raise)
{
    m_raise = std::move(raise);
    if (m_server >= 0 || m_path.isEmpty())
        return m_server >= 0;
    if (!listen())
        return false;
    m_accepting = std::make_unique<QSocketNotifier>(m_server, QSocketNotifier::Read);
    QObject::connect(m_accepting.get(), &QSocketNotifier::activated, m_accepting.get(), [this] {
        acceptPending();
    });
    return true;
}

bool LocalInstanceChannel::listen()
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    bool bound = bindTo(fd, m_path);
    // The name is taken: by a copy that runs, which keeps it, or by one that died.
    if (!bound && errno == EADDRINUSE) {
        const int running = connectTo(m_path);
        if (running >= 0)
            ::close(running);
        else if (::unlink(m_path.constData()) == 0)
            bound = bindTo(fd, m_path);
    }
    if (!bound || ::listen(fd, 8) != 0) {
        ::close(fd);
        return false;
    }
    m_server = fd;
    return true;
}

void LocalInstanceChannel::acceptPending()
{
    int fd = -1;
    while ((fd = ::accept4(m_server, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
        auto client = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        QSocketNotifier *notifier = client.get();
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [this, notifier] {
            readRequest(notifier);
        });
        m_clients.push_back(std::move(client));
    }
}

void LocalInstanceChannel::readRequest(QSocketNotifier *client)
{
    const int fd = int(client->socket());
    char bytes[sizeof Request - 1] = {};
    const ssize_t got = ::recv(fd, bytes, sizeof bytes, MSG_PEEK);
    if ((got > 0 && got < ssize_t(sizeof bytes)) || (got < 0 && errno == EAGAIN))
        return; // the rest is on its way
    const bool asked =
            got == ssize_t(sizeof bytes) && std::equal(bytes, bytes + sizeof bytes, Request);
    if (asked)
        ::send(fd, Answer, sizeof Answer - 1, MSG_NOSIGNAL);
    // The notifier is inside its own signal: it goes once that has returned, its socket now.
    client->setEnabled(false);
    const auto own = std::find_if(m_clients.begin(), m_clients.end(), [client](const auto &c) {
        return c.get() == client;
    });
    own->release()->deleteLater();
    m_clients.erase(own);
    ::close(fd);
    if (asked && m_raise)
        m_raise();
}

} // namespace lw::platform
