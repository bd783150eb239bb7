#include "platform/local_socket_places.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Why FOLDER may not hold the socket, or an empty text when it may: a real folder (no symbolic
// link), this user's, closed to everyone else. Any user can make a name in the temporary folder
// first, so this is checked before each use.
QString folderProblem(const QString& folder, bool create) {
    if (folder.contains(QLatin1Char('\n')))
        return QStringLiteral("its path holds a line break");
    const QByteArray path = QFile::encodeName(folder);
    struct stat info {};
    int result = ::lstat(path.constData(), &info);
    if (result != 0 && errno == ENOENT && create) {
        ::mkdir(path.constData(), 0700);
        result = ::lstat(path.constData(), &info);
    }
    if (result != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("it is a symbolic link");
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("it is not a folder");
    if (info.st_uid != ::geteuid())
        return QStringLiteral("it belongs to another user");
    if ((info.st_mode & 0777) != 0700)
        return QStringLiteral("others may use it (mode %1)")
            .arg(info.st_mode & 0777, 3, 8, QLatin1Char('0'));
    return {};
}

} // namespace

QStringList localSocketPlaces(const QString& name) {
    QStringList places;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        places << runtime + QLatin1Char('/') + name;
    places << QDir::tempPath() + QStringLiteral("/dorvane-") + QString::number(::geteuid()) +
                  QLatin1Char('/') + name;
    places.removeDuplicates();
    return places;
}

QString localSocketProblem(const QString& place, bool create) {
    if (QFile::encodeName(place).size() >= qsizetype(sizeof(sockaddr_un::sun_path)))
        return QStringLiteral("the socket's path would be longer than %1 bytes")
            .arg(sizeof(sockaddr_un::sun_path) - 1);
    return folderProblem(QFileInfo(place).path(), create);
}

QString readSocketNote(const QString& notePath, const QString& name) {
    const QByteArray path = QFile::encodeName(notePath);
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    // A pipe put there after the look must not hold this start up.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return {};
    char bytes[4096];
    ssize_t size = -1;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        size = ::read(fd, bytes, sizeof bytes);
    ::close(fd);
    if (size <= 0)
        return {};
    const QByteArray text(bytes, size);
    const QString place = QFile::decodeName(text.left(text.indexOf('\n')));
    // Only this store's socket, in a folder of this user's alone: a note pointing elsewhere
    // would hand the learner's commands to whatever listens there.
    const QFileInfo where(place);
    if (where.fileName() != name || !localSocketProblem(place, false).isEmpty())
        return {};
    return place;
}

bool writeSocketNote(const QString& notePath, const QString& place) {
    if (place.contains(QLatin1Char('\n')))
        return false;
    // A file of its own, renamed over whatever is at the note's path.
    const QByteArray path = QFile::encodeName(notePath);
    const QByteArray draft = path + ".new-" + QByteArray::number(qint64(::getpid()));
    ::unlink(draft.constData());
    const int fd =
        ::open(draft.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const QByteArray line = QFile::encodeName(place) + '\n';
    const bool written = ::write(fd, line.constData(), size_t(line.size())) == line.size();
    const bool closed = ::close(fd) == 0;
    if (written && closed && ::rename(draft.constData(), path.constData()) == 0)
        return true;
    ::unlink(draft.constData());
    return false;
}

LocalReach connectLocalSocket(QLocalSocket& socket, const QString& place, int milliseconds) {
    const QByteArray path = QFile::encodeName(place);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return LocalReach::Nobody;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return LocalReach::Busy;
    // A blocking connect waits in the kernel for room in a full queue, up to the send timeout
    // (Qt's own connect polls an unconnected socket, which is ready at once, in a tight loop).
    const int waitMs = qMax(1, milliseconds);
    const timeval timeout{waitMs / 1000, (waitMs % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(fd);
        return error == ENOENT || error == ECONNREFUSED || error == ENOTDIR ? LocalReach::Nobody
                                                                            : LocalReach::Busy;
    }
    if (!socket.setSocketDescriptor(fd, QLocalSocket::ConnectedState, QIODevice::ReadWrite)) {
        ::close(fd);
        return LocalReach::Busy;
    }
    return LocalReach::Connected;
}
