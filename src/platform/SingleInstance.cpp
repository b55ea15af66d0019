#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>

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

struct SingleInstance::Impl {
    explicit Impl(int lockFile) : lock(lockFile) {}
    ~Impl()
    {
        server.close();
        ::close(lock);
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    int lock;  // holds the claim while open
    QLocalServer server;
    std::function<void()> onAnotherStart;
};

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
    QLocalServer::removeServer(key + ".socket");  // left by a copy that died
    impl->server.setSocketOptions(QLocalServer::UserAccessOption);
    impl->server.listen(key + ".socket");
    Impl* state = impl.get();
    QObject::connect(&impl->server, &QLocalServer::newConnection, &impl->server, [state] {
        while (QLocalSocket* socket = state->server.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            const auto read = [state, socket] {
                if (socket->readAll().contains('\n') && state->onAnotherStart)
                    state->onAnotherStart();
            };
            QObject::connect(socket, &QLocalSocket::readyRead, socket, read);
            if (socket->bytesAvailable() > 0)
                read();
        }
    });
    return std::unique_ptr<SingleInstance>(new SingleInstance(std::move(impl)));
}

void SingleInstance::SetOnAnotherStart(std::function<void()> handler) { mImpl->onAnotherStart = std::move(handler); }

}  // namespace platform
