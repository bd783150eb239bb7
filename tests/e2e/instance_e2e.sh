#!/usr/bin/env bash
# One copy per settings store, whatever lies in the temporary folder, on a private X display:
#   instance_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# Without a runtime folder the local socket goes into dorvane-<uid> in the temporary folder,
# where anyone can make that name first: a file, another user's folder, a symbolic link, a
# named pipe, another user's folder with a socket listening in it. Or a cleaner removes it under
# a running copy. Either way the lock beside the store decides: a second start ends at once,
# saying the copy runs but did not answer, and the first copy's marks survive its Exit. A copy
# whose lock was taken over saves nothing at its end and leaves the new holder's lock alone.
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
cleanup() {
  [ -n "$listener" ] && kill "$listener" 2>/dev/null
  [ -n "$runaway" ] && kill "$runaway" 2>/dev/null
  # The speech daemon of a copy started without a runtime folder keeps its files in the cache.
  XDG_RUNTIME_DIR="$XDG_CACHE_HOME" stop_speech_dispatcher
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
# A second start ends within three seconds, with status 0 and the line naming the running copy.
# One that runs instead is left running as runaway.
second_start_ends() { # second_start_ends LOG
  local second status
  env -u XDG_RUNTIME_DIR "$program" >"$1" 2>&1 &
  second=$!
  if ! wait_until 3 ended "$second"; then
    runaway=$second
    echo "     a second copy runs: $(tr '\n' ' ' <"$1")"
    return 1
  fi
  wait "$second"; status=$?
  echo "     status $status: $(grep -v QStandardPaths "$1" | tr '\n' ' ')"
  [ "$status" = 0 ] &&
    grep -qx "dorvane: a copy is already running for these settings (process $pid) but did not answer; this one ends" "$1"
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

e2e_finish
