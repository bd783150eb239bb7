// Where the local socket of a settings store may be, as the operating system has it.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QLocalSocket;

// A folder the socket may not go into, and why.
struct PassedOverFolder {
    QString folder;
    QString problem;
};

// The full names under which the socket named NAME may listen or be reached, best first. On
// Unix a path in each folder that is this user's alone: the session's runtime folder, then
// dorvane-<uid> in the temporary folder, so a runtime folder that may not be used does not leave
// the copy without a socket. A missing folder is made when CREATE, and each folder passed over
// goes into PASSED (a folder merely missing only when CREATE). On Windows the pipe name alone.
QStringList localSocketPlaces(const QString& name, bool create,
                              QList<PassedOverFolder>* passed = nullptr);

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
