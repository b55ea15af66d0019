#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QSocketNotifier>
#include <QThread>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <vector>

namespace platform {

namespace {

constexpr char kRaise[] = "raise\n";
constexpr int kAnswerMilliseconds = 500;
constexpr int kTries = 10;  // the first copy may hold the lock but not listen yet

// "<runtime folder>/dirizezoz-<hash of the canonical path>"; the file need not exist.
QString KeyPath(const std::string& filePath)
{
    std::error_code error;
    auto canonical = std::filesystem::weakly_canonical(std::filesystem::absolute(filePath, error), error);
    if (error)
        canonical = filePath;
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray::fromStdString(canonical.string()), QCryptographicHash::Sha256).toHex();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath("dirizezoz-" + QString::fromLatin1(hash.left(24)));
}

// Asks the copy holding the key to come to the front; false when none answered.
bool AskToRaise(const QString& socketPath)
{
    for (int attempt = 0; attempt < kTries; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(kAnswerMilliseconds)) {
            socket.write(kRaise);
            return socket.waitForBytesWritten(kAnswerMilliseconds);
        }
        QThread::msleep(100);
    }
    return false;
}

}  // namespace

// The listening end is a plain socket: QLocalServer's first listen costs more
// than half a millisecond of every start.
struct SingleInstance::Impl {
    explicit Impl(int lockFile) : lock(lockFile) {}
    ~Impl()
    {
        for (const auto& [caller, notifier] : callers)
            ::close(caller);
        callers.clear();
        listener.reset();
        if (socket >= 0)
            ::close(socket);
        ::close(lock);
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    void Listen(const QString& path);
    void Accept();
    void Read(int caller);

    int lock;  // holds the claim while open
    int socket = -1;
    std::unique_ptr<QSocketNotifier> listener;
    std::map<int, std::unique_ptr<QSocketNotifier>> callers;  // by descriptor
    std::vector<std::unique_ptr<QSocketNotifier>> finished;  // not deleted while they signal
    std::function<void()> onAnotherStart;
};

void SingleInstance::Impl::Listen(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return;  // no raising then; the lock alone keeps the diary to one copy
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    ::unlink(name.constData());  // left by a copy that died
    socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return;
    if (::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(name.constData(), 0600) != 0 || ::listen(socket, 8) != 0) {
        ::close(socket);
        socket = -1;
        return;
    }
    listener = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
    QObject::connect(listener.get(), &QSocketNotifier::activated, listener.get(), [this] { Accept(); });
}

void SingleInstance::Impl::Accept()
{
    finished.clear();
    for (int caller; (caller = ::accept4(socket, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0;) {
        auto notifier = std::make_unique<QSocketNotifier>(caller, QSocketNotifier::Read);
        QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this, caller] { Read(caller); });
        callers[caller] = std::move(notifier);
        Read(caller);
    }
}

void SingleInstance::Impl::Read(int caller)
{
    char buffer[64];
    ssize_t got;
    while ((got = ::read(caller, buffer, sizeof buffer)) > 0)
        if (std::memchr(buffer, '\n', static_cast<size_t>(got)) && onAnotherStart)
            onAnotherStart();
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    // The caller is done, or gone.
    const auto found = callers.find(caller);
    if (found == callers.end())
        return;
    found->second->setEnabled(false);
    finished.push_back(std::move(found->second));
    callers.erase(found);
    ::close(caller);
}

SingleInstance::SingleInstance(std::unique_ptr<Impl> impl) : mImpl(std::move(impl)) {}
SingleInstance::~SingleInstance() = default;

std::unique_ptr<SingleInstance> SingleInstance::Claim(const std::string& filePath)
{
    const QString key = KeyPath(filePath);
    // The system lets go of the lock when its holder ends, however it ends:
    // only a live copy holds it, and claiming writes nothing. The file stays,
    // so that every copy locks the same one.
    const int lock = ::open(QFile::encodeName(key + ".lock").constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock < 0 || ::flock(lock, LOCK_EX | LOCK_NB) != 0) {
        if (lock >= 0)
            ::close(lock);
        // Whether or not it answers, that copy owns the diary.
        AskToRaise(key + ".socket");
        return nullptr;
    }
    auto impl = std::make_unique<Impl>(lock);
    impl->Listen(key + ".socket");
    return std::unique_ptr<SingleInstance>(new SingleInstance(std::move(impl)));
}

void SingleInstance::SetOnAnotherStart(std::function<void()> handler) { mImpl->onAnotherStart = std::move(handler); }

}  // namespace platform
