// The services whose implementation depends on the operating system; CMake builds the one for
// the system at hand from linux/ or windows/.
#pragma once

#include "core/ports/auto_start.h"
#include "core/ports/full_screen_watch.h"
#include "core/ports/global_shortcuts.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>

class LearnerCommands;
class QWidget;
class PlayOrder;

// The start-with-login entry: the per-user Run value on Windows, an XDG autostart entry on Linux.
std::unique_ptr<AutoStart> makeAutoStart();

// Desktop-wide keys for this operating system and display.
std::unique_ptr<GlobalShortcuts> makeGlobalShortcuts();

// The desktop's media controls (media keys, panel player widgets) driving the learner's
// commands, where the system offers them; null where it does not (said once).
std::unique_ptr<QObject> makeMediaControls(LearnerCommands& commands, PlayOrder& order);

// Which window has the focus and whether it is full screen (X11: followed through the window
// manager's properties; Windows: the shell's "busy" state, looked at twice a second); null
// where the display tells no program (Wayland, offscreen).
std::unique_ptr<FullScreenWatch> makeFullScreenWatch();

// Whether a window manager still keeps this hidden window in a frame of its own. Shown again
// before the manager has let go of it, an X11 window can end up on the screen unmanaged; where
// windows are not framed by another program (Windows, Wayland) nothing is ever kept.
bool heldByWindowManager(const QWidget& window);

// The size of the whole screen as the window system itself has it now (X11: the root window),
// which Qt may not have caught up with; invalid where Qt's own figure is always right.
QSize windowSystemScreenSize();

// What the windowing platform this start will use needs and cannot reach, such as "DISPLAY=:1";
// empty when it answers, or when it is none this program can check (offscreen, Windows).
// Checked before the application object exists: Qt aborts when its platform cannot start.
QString unreachableDisplay();

// Asks a process to end, false where it cannot be asked: a speech daemon the program started
// itself, so that a fresh one takes its place (the Windows engine runs inside the program).
bool askProcessToEnd(qint64 process);

// A peer that goes away (a speech daemon, a client of the local socket) must not take the
// program with it: on Linux a write to its closed socket would end the process (SIGPIPE).
// Called first thing in main().
void ignoreBrokenPipes();

// The speech daemon behind the engine, where there is one (speech-dispatcher on Linux): the
// socket it listens on, whatever Qt thinks of its folder's permissions, and its process as its
// own record names it, or 0. Empty and 0 on Windows, whose engine runs inside the program.
QString speechDaemonSocket();
qint64 speechDaemonProcess();

// Why nothing is read aloud when no French voice is installed, and what to install here.
QString noFrenchVoiceProblem();

// Where the window's top-left corner really is on the screen, asked of the window system: a
// window manager that frames windows and places them itself (weston's XWayland) may leave Qt
// with a place relative to the frame. Qt's own idea where the system cannot tell.
QPoint placeOnScreen(const QWidget& window);

// Keeps a strip along the top of a monitor for the window, as panels do, so that maximised
// windows stay below it (X11: _NET_WM_STRUT_PARTIAL; Windows: an application desktop
// toolbar). The strip is in the virtual desktop's pixels; an empty one gives the space back.
void reserveTopStrip(QWidget& window, const QRect& strip);
