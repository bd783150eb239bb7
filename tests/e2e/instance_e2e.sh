#!/usr/bin/env bash
# One copy per settings store, whatever lies in the temporary folder, on a private X display:
#   instance_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# Without a runtime folder the local socket goes into dorvane-<uid> in the temporary folder,
# where anyone can make that name first: a file, another user's folder, a symbolic link, a
# named pipe, another user's folder with a socket listening in it. Or a cleaner removes it under
# a running copy. Either way the lock beside the store decides: a second start ends soon,
# saying the copy runs but did not answer, and the first copy's marks survive its Exit. A copy
# whose lock was taken over saves nothing at its end and leaves the new holder's lock alone.
# A lock that keeps nobody out (empty, garbage, huge, a folder, a link) is taken over; one from
# another machine is named with what to do. The note naming the socket is never written through
# a link, never opened if it is a pipe and never trusted to name another listener. Runtime
# folders that may not be used give way to the temporary one. Bursts of connections and of
# command-line clients leave every command answered.
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"

# A temporary folder like /tmp, open to every user, but this test's own.
export TMPDIR="$work/tmp"
mkdir -p "$TMPDIR"
chmod 1777 "$TMPDIR"
chmod 711 "$work"
folder="$TMPDIR/dorvane-$(id -u)"
lock="$settings.instance.lock"
socket_name="dorvane-$(printf %s "$(realpath "$XDG_CONFIG_HOME")/Vesk.conf.instance.lock" |
  sha1sum | cut -c1-16)"
# Another user, for squatting: any unused user id will do, no account needed.
other=54321
runtime="$XDG_RUNTIME_DIR"
listener=""
runaway=""
runtimes=() # other runtime folders copies were started with, each with its speech daemon
cleanup() {
  [ -n "$listener" ] && kill "$listener" 2>/dev/null
  [ -n "$runaway" ] && kill "$runaway" 2>/dev/null
  # The speech daemon of a copy started without a runtime folder keeps its files in the cache.
  XDG_RUNTIME_DIR="$XDG_CACHE_HOME" stop_speech_dispatcher
  for run in "${runtimes[@]}"; do XDG_RUNTIME_DIR="$run" stop_speech_dispatcher; done
  export XDG_RUNTIME_DIR="$runtime"
  e2e_cleanup
}
trap cleanup EXIT

# In sequence mode from 10102, with 10130 already known; no "voice": only a save writes it.
seed_settings() {
  printf '[French]\nxxx=1\nrd=1\npsave=1\nguage=1\nguagen=10102\n[Learning]\nknown=10130\n' \
    >"$settings"
}
known() { setting known | tr -d '"'; }
start_copy() { # start_copy LOG: a copy started with no runtime folder; sets pid
  env -u XDG_RUNTIME_DIR "$program" >"$1" 2>&1 &
  pid=$!
}
ended() { ! kill -0 "$1" 2>/dev/null; }
# A second start ends within five seconds, with status 0 and the line naming the running copy.
# One that runs instead is left running as runaway.
second_start_ends() { # second_start_ends LOG
  local second status
  env -u XDG_RUNTIME_DIR "$program" >"$1" 2>&1 &
  second=$!
  if ! wait_until 5 ended "$second"; then
    runaway=$second
    echo "     a second copy runs: $(tr '\n' ' ' <"$1")"
    return 1
  fi
  wait "$second"; status=$?
  echo "     status $status: $(grep -v QStandardPaths "$1" | tr '\n' ' ')"
  [ "$status" = 0 ] &&
    grep -qx "dorvane: a copy is already running for these settings (process $pid) but did not answer; this one ends" "$1"
}
# A second start that the running copy answers ends within five seconds, saying nothing of it.
second_start_answered() { # second_start_answered LOG
  local status
  env -u XDG_RUNTIME_DIR timeout 5 "$program" >"$1" 2>&1
  status=$?
  [ "$status" = 0 ] && ! grep -q 'did not answer' "$1"
}
end_copy() { kill -TERM "$pid"; wait_until 3 ended "$pid"; wait "$pid" 2>/dev/null; pid=""; }
# Ends the copy that should not have run, as its user would: after the first one.
end_runaway() { [ -z "$runaway" ] || { pid=$runaway; runaway=""; end_copy; }; }

# --- Names made first where the socket goes ----------------------------------------------
squat() { # squat KIND: makes FOLDER's name as another user would; false when it cannot
  rm -rf "$folder" "$work/target"
  case "$1" in
    file) : >"$folder" ;;
    folder) mkdir -m 755 "$folder" ;;
    symlink) mkdir -m 700 "$work/target" && ln -s "$work/target" "$folder" ;;
    fifo) mkfifo "$folder" ;;
    socket)
      [ "$(id -u)" = 0 ] || return 1
      : >"$work/heard"; chmod 666 "$work/heard"
      # Listens where this store's socket would be, in a folder of its own, and notes every
      # connection.
      setpriv --reuid="$other" --regid="$other" --clear-groups /usr/bin/python3 -c '
import os, socket, sys
folder, name, heard = sys.argv[1:]
os.mkdir(folder, 0o755)
server = socket.socket(socket.AF_UNIX)
server.bind(os.path.join(folder, name))
os.chmod(os.path.join(folder, name), 0o777)
server.listen(8)
while True:
    client, _ = server.accept()
    with open(heard, "ab") as out:
        out.write(b"connected: " + client.recv(64) + b"\n")
    client.close()
' "$folder" "$socket_name" "$work/heard" &
      listener=$!
      wait_until 3 test -S "$folder/$socket_name"
      return
      ;;
  esac
  # Root can make the name another user's; other users leave theirs as the kinds above are.
  [ "$(id -u)" = 0 ] && chown -h "$other:$other" "$folder"
  return 0
}

seed_settings
for kind in file folder symlink fifo socket; do
  if ! squat "$kind"; then
    echo "skip - another user's listening socket: making files as another user needs root"
    continue
  fi
  start_copy "$work/$kind-first.log"
  wait_for_bar 5
  check "with a $kind squatting $folder, a second start ends and says the copy did not answer" \
    second_start_ends "$work/$kind-second.log"
  check "the first copy still runs" kill -0 "$pid"
  check "and said once that it does not use it ($(grep -m1 'not using' "$work/$kind-first.log"))" \
    [ "$(grep -c "not using $folder for the local socket" "$work/$kind-first.log")" = 1 ]
  if [ "$kind" = socket ]; then
    check "the other user's listener heard no start ($(cat "$work/heard"))" [ ! -s "$work/heard" ]
    kill "$listener"; wait "$listener" 2>/dev/null; listener=""
  fi
  end_copy
  end_runaway
done
rm -rf "$folder" "$work/target"

# --- The socket removed under a running copy, then Ctrl+Alt+K and Exit ---------------------
start_copy "$work/cleaned.log"
wait_for_bar 5
check "a running copy's socket is in a folder of its own, mode 700" \
  eval '[ -S "$folder/$socket_name" ] && [ "$(stat -c %a "$folder")" = 700 ]'
check "a command from a start with a runtime folder reaches it" "$program" --resume
# As a cleaner of the temporary folder would; /tmp/dorvane-<hash> is where versions before
# the private folder listened.
rm -rf "$folder" "/tmp/$socket_name"
check "with its socket removed, a second start ends and says the copy did not answer" \
  second_start_ends "$work/cleaned-second.log"
sleep 4 # the welcome is over
xdotool key ctrl+alt+k
check "Ctrl+Alt+K in the running copy stores the sentence on the bar beside 10130" \
  wait_until 2 eval '[ "$(known)" != 10130 ]'
marked="$(known)"
end_copy
end_runaway
check "after the copy's end known is still $marked ($(known))" \
  eval '[ "$(known)" != 10130 ] && [ "$(known)" = "$marked" ]'

# --- A lock taken over under a running copy ----------------------------------------------
seed_settings
start_copy "$work/taken-first.log"
first=$pid
wait_for_bar 5
sleep 4
xdotool key ctrl+alt+k
wait_until 2 eval '[ "$(known)" != 10130 ]'
marked="$(known)"
rm -f "$lock" # nothing keeps a second start out now
start_copy "$work/taken-second.log"
second=$pid
check "a start that finds no lock runs" wait_until 3 bash -c "grep -qs '^$second\$' '$lock'"
before="$(md5sum <"$settings")"
pid=$first
end_copy
check "the copy whose lock was taken over said so at its end ($(grep -m1 'lock file' "$work/taken-first.log"))" \
  grep -q "the lock file $lock now names process $second: another copy may use these settings, so this one saves nothing" "$work/taken-first.log"
check "and saved nothing" [ "$(md5sum <"$settings")" = "$before" ]
check "and left the new copy's lock and socket alone" \
  eval 'grep -q "^$second\$" "$lock" && [ -S "$folder/$socket_name" ]'
# Until its welcome is over the new copy answers "not now".
mark_in_new_copy() { env -u XDG_RUNTIME_DIR "$program" --known && sleep 0.3 && [ "$(known)" != "$marked" ]; }
check "the new copy takes commands: --known marks one more sentence" wait_until 10 mark_in_new_copy
marked="$(known)"
pid=$second
end_copy
check "its end saves as Exit does, known intact ($(known))" \
  eval '[ "$(setting voice)" = 1 ] && [ "$(known)" = "$marked" ] && [ ! -e "$lock" ]'

# --- Lock files that keep nobody out, and one from another machine -------------------------
rm -rf "$folder"
printf 'my own notes\n' >"$work/notes.txt"
hostile_lock() { # hostile_lock KIND: what a crash, a restore or a slip left at the lock's path
  rm -rf "$lock"
  case "$1" in
    empty) : >"$lock" ;; # a crash between making the file and writing it
    garbage) printf 'not a lock\n\001\377\n' >"$lock" ;;
    10-MB) head -c 10000000 /dev/zero >"$lock" ;;
    folder) mkdir "$lock" ;;
    dangling-link) ln -s "$work/nowhere" "$lock" ;;
    link-to-a-file) ln -s "$work/notes.txt" "$lock" ;;
  esac
}
reason_for() {
  case "$1" in
    empty) echo "it is empty" ;;
    garbage | 10-MB) echo "it holds no lock" ;;
    folder) echo "it is not a plain file" ;;
    *) echo "it is a symbolic link" ;;
  esac
}
seed_settings
for kind in empty garbage 10-MB folder dangling-link link-to-a-file; do
  hostile_lock "$kind"
  start_copy "$work/lock-$kind.log"
  check "with a lock file that is $kind, a start shows its bar" wait_for_bar 5
  check "and says it took the lock over ($(grep -m1 lock "$work/lock-$kind.log"))" \
    grep -qx "dorvane: taking over the lock file $lock: $(reason_for "$kind")" "$work/lock-$kind.log"
  check "the lock names it now" eval '[ -f "$lock" ] && [ ! -L "$lock" ] && [ "$(head -1 "$lock")" = "$pid" ]'
  end_copy
done
check "the file a linked lock pointed at is untouched" [ "$(cat "$work/notes.txt")" = "my own notes" ]

# Restored from another machine's backup, or a shared home: nothing here can tell.
printf '999999\ndorvane\nelsewhere\n0123456789abcdef\n\n' >"$lock"
cp "$lock" "$work/foreign-lock"
env -u XDG_RUNTIME_DIR timeout 10 "$program" >"$work/foreign.log" 2>&1
status=$?
check "with another machine's lock a start ends with status 1 ($status: $(cat "$work/foreign.log"))" \
  [ "$status" = 1 ]
check "naming the file and what to do" grep -qx "dorvane: the lock file $lock was made by process 999999 on another machine (elsewhere), which cannot be checked from here; if no copy runs there, delete the file and start again" "$work/foreign.log"
check "and leaving it as it was" cmp -s "$lock" "$work/foreign-lock"
timeout 10 "$program" --next 2>"$work/foreign-next.log"
status=$?
check "--next then says no copy runs ($status: $(cat "$work/foreign-next.log"))" \
  eval '[ "$status" = 1 ] && grep -q "^dorvane: no copy of Dorvane is running" "$work/foreign-next.log"'
rm -f "$lock"

# --- The note naming the socket: a link, another listener, a named pipe ---------------------
note="$lock.socket"
ln -s "$work/notes.txt" "$note"
start_copy "$work/note.log"
wait_for_bar 5
check "a note that was a link leaves the file it pointed at alone" \
  [ "$(cat "$work/notes.txt")" = "my own notes" ]
check "and is a file of its own naming the socket" \
  eval '[ -f "$note" ] && [ ! -L "$note" ] && [ "$(cat "$note")" = "$folder/$socket_name" ]'
mkdir -m 700 "$work/decoy"
: >"$work/heard"
python3 -c '
import socket, sys
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen(8)
while True:
    client, _ = server.accept()
    with open(sys.argv[2], "ab") as out:
        out.write(client.recv(64))
    client.close()
' "$work/decoy/listener" "$work/heard" &
listener=$!
wait_until 3 test -S "$work/decoy/listener"
echo "$work/decoy/listener" >"$note"
check "with the note naming another listener, --next still reaches the copy" \
  timeout 10 "$program" --next
check "and a second start reaches it too" second_start_answered "$work/decoy-second.log"
check "the other listener heard nothing ($(tr '\n' ' ' <"$work/heard"))" [ ! -s "$work/heard" ]
kill "$listener"; wait "$listener" 2>/dev/null; listener=""
rm -f "$note"
mkfifo "$note"
check "with a named pipe for the note, --next answers within 5 s" timeout 5 "$program" --next
check "and a second start reaches it too" second_start_answered "$work/pipe-second.log"
end_copy
end_runaway
mkfifo "$note" 2>/dev/null
start_copy "$work/pipe.log"
check "a start with a named pipe for the note shows its bar" wait_for_bar 5
check "and puts a file in the pipe's place" eval '[ -f "$note" ] && [ ! -p "$note" ]'
end_copy

# --- Runtime folders that may not be used give way to the temporary folder -------------------
mkdir -m 700 "$work/run-target" "$work/run"$'\n'"line"
ln -s "$work/run-target" "$work/run-link"
mkdir -m 777 "$work/run-open"
for run in "$work/run-link" "$work/run-open" "$work/no/such/run" "$work/run"$'\n'"line"; do
  runtimes+=("$run")
  shown="$(printf %q "$run")"
  rm -f "$folder/$socket_name"
  XDG_RUNTIME_DIR="$run" "$program" >"$work/runtime.log" 2>&1 &
  pid=$!
  wait_for_bar 5
  check "with XDG_RUNTIME_DIR=$shown the copy listens in $folder" \
    wait_until 2 test -S "$folder/$socket_name"
  check "saying why it passed the runtime folder over ($(grep -A1 -m1 'not using' "$work/runtime.log" | tr '\n' ' '))" \
    grep -q "for the local socket: " "$work/runtime.log"
  check "and --next from the same environment reaches it" \
    env XDG_RUNTIME_DIR="$run" timeout 10 "$program" --next
  end_copy
done
# A socket path longer than a socket's address takes: no socket at all, and the copy says so.
long="$work/$(printf 'x%.0s' {1..110})"
mkdir -m 1777 "$long"
env -u XDG_RUNTIME_DIR TMPDIR="$long" "$program" >"$work/long.log" 2>&1 &
pid=$!
wait_for_bar 5
check "with no place for a socket the copy says so ($(grep -m1 socket "$work/long.log"))" \
  grep -q "^dorvane: no local socket could be made" "$work/long.log"
env -u XDG_RUNTIME_DIR TMPDIR="$long" timeout 10 "$program" --next 2>"$work/long-next.log"
status=$?
check "and --next says the running copy did not answer, status 3 ($status: $(cat "$work/long-next.log"))" \
  eval '[ "$status" = 3 ] && grep -qx "dorvane: the running copy (process $pid) did not answer" "$work/long-next.log"'
end_copy

# --- A burst of connections, with hardly a file descriptor to spare ------------------------
start_copy "$work/burst.log"
wait_for_bar 5
sleep 4 # the welcome is over
descriptors=$(ls "/proc/$pid/fd" | wc -l)
soft="$(prlimit --pid "$pid" --nofile --noheadings --output SOFT | tr -d ' ')"
prlimit --pid "$pid" --nofile=$((descriptors + 6)):
# hold_connections COUNT SECONDS [READY_FILE]: COUNT connections to the copy's socket that send
# nothing, held SECONDS; READY_FILE is written once they are all made.
hold_connections() {
  python3 -c '
import socket, sys, time
held = []
for _ in range(int(sys.argv[2])):
    client = socket.socket(socket.AF_UNIX)
    client.setblocking(False)
    try:
        client.connect(sys.argv[1])
    except OSError:
        pass
    held.append(client)
if len(sys.argv) > 4:
    open(sys.argv[4], "w").write("full")
time.sleep(float(sys.argv[3]))
' "$folder/$socket_name" "$@"
}
(ulimit -n 4096 2>/dev/null; hold_connections 1000 1)
check "after 1000 connections at once --next reaches the copy" timeout 10 "$program" --next
check "which said once that it listens again ($(grep -c 'listening again' "$work/burst.log"))" \
  [ "$(grep -c "^dorvane: the local socket $folder/$socket_name stopped taking connections (.*); listening again$" "$work/burst.log")" = 1 ]
prlimit --pid "$pid" --nofile="$soft":

# --- The command line while the copy is busy ----------------------------------------------
# The copy cannot run (as on a machine busy with other work) and its queue of connections is
# full: a --next waits for it, and says it did not answer only when it never does.
fill_queue() { # fill_queue SECONDS: 300 connections that send nothing, held that long
  hold_connections 300 "$1" "$work/full" &
  filler=$!
  wait_until 10 test -s "$work/full"
  rm -f "$work/full"
}
kill -STOP "$pid"
fill_queue 2
(timeout 20 "$program" --next 2>"$work/busy-next.log"; echo $? >"$work/busy-status") &
client=$!
sleep 2
kill -CONT "$pid"
wait "$client" "$filler"
check "a --next while the copy stood still for two seconds with its queue full exits 0 ($(cat "$work/busy-status"): $(cat "$work/busy-next.log"))" \
  [ "$(cat "$work/busy-status")" = 0 ]
kill -STOP "$pid"
fill_queue 7
timeout 20 "$program" --next 2>"$work/stopped-next.log"
status=$?
kill -CONT "$pid"
wait "$filler"
check "one that waits in vain says the running copy did not answer, status 3 ($status: $(cat "$work/stopped-next.log"))" \
  eval '[ "$status" = 3 ] && grep -qx "dorvane: the running copy (process $pid) did not answer" "$work/stopped-next.log"'

# --- A thousand clients at once, and command-line clients among them ----------------------
# A thousand threads fill the copy's queue of connections, each sending "pause" until it is
# answered, and a hundred command-line clients start, while the copy cannot run for two seconds
# (as on a machine busy with all of them).
started=$(now_ms)
kill -STOP "$pid"
python3 -c '
import socket, sys, threading, time
deadline = time.time() + 20
answered = []
def client():
    while time.time() < deadline:
        try:
            with socket.socket(socket.AF_UNIX) as s:
                s.settimeout(5)
                s.connect(sys.argv[1])
                s.sendall(b"pause\n")
                if s.recv(8) == b"ok\n":
                    answered.append(1)
                    return
        except OSError:
            pass
        time.sleep(0.05)
threads = [threading.Thread(target=client) for _ in range(1000)]
for thread in threads:
    thread.start()
for thread in threads:
    thread.join()
print(len(answered))
' "$folder/$socket_name" >"$work/threads" &
threads=$!
(seq 100 | xargs -P 100 -I{} sh -c 'timeout 20 "$0" --next >/dev/null 2>&1; echo $?' "$program" |
  sort | uniq -c >"$work/clients") &
clients=$!
sleep 2
kill -CONT "$pid"
wait "$clients" "$threads"
echo "     in $(( $(now_ms) - started )) ms"
check "1000 clients at once were all answered ($(cat "$work/threads"))" [ "$(cat "$work/threads")" = 1000 ]
check "and 100 parallel --next among them all exit 0 ($(tr -s ' \n' ' ' <"$work/clients"))" \
  [ "$(awk '$2 == 0 {print $1}' "$work/clients")" = 100 ]
end_copy

e2e_finish
