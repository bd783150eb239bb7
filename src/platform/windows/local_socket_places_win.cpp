#include "platform/local_socket_places.h"

#include <QLocalSocket>

// A named pipe: one name for every start of this user's session, whatever its environment.
QStringList localSocketPlaces(const QString& name) {
    return {name};
}

// Any name will do for a pipe.
QString localSocketProblem(const QString&, bool) {
    return {};
}

// Every start finds the pipe by its name: there is nothing to note.
QString readSocketNote(const QString&, const QString&) {
    return {};
}

bool writeSocketNote(const QString&, const QString&) {
    return true;
}

// Qt waits for a busy pipe itself.
LocalReach connectLocalSocket(QLocalSocket& socket, const QString& place, int milliseconds) {
    socket.connectToServer(place);
    if (socket.waitForConnected(milliseconds))
        return LocalReach::Connected;
    return socket.error() == QLocalSocket::ServerNotFoundError ? LocalReach::Nobody
                                                               : LocalReach::Busy;
}
