// Where the local socket of a settings store may be, as the operating system has it.
#pragma once

#include <QString>
#include <QStringList>

class QLocalSocket;

// The full names under which the socket named NAME may listen or be reached, best first. On
// Unix a path in the session's runtime folder, then in dorvane-<uid> in the temporary folder,
// so a runtime folder that may not be used does not leave the copy without a socket. On Windows
// the pipe name alone.
QStringList localSocketPlaces(const QString& name);
// Why PLACE may not be used, or an empty text when it may. On Unix its folder must be this
// user's alone (a missing one is made when CREATE) and the path short enough for a socket.
QString localSocketProblem(const QString& place, bool create);

// Unix keeps the place the running copy listens beside its lock, since starts from different
// environments look into different folders; a pipe's name is the same for every start, so
// Windows keeps none. The note is read only from a plain file, and only a place named NAME in a
// folder of this user's alone is taken from it; anything else gives an empty text.
QString readSocketNote(const QString& notePath, const QString& name);
// Writes the note anew, never through what stands at its path (a link, a pipe).
bool writeSocketNote(const QString& notePath, const QString& place);

enum class LocalReach {
    Connected,
    Nobody, // nothing listens there
    Busy,   // something listens but took no connection in time
};
// Connects SOCKET to PLACE within MILLISECONDS. A server whose queue of connections is full is
// waited for without spinning, so a thousand clients at once do not starve the one they wait
// for.
LocalReach connectLocalSocket(QLocalSocket& socket, const QString& place, int milliseconds);
