#!/usr/bin/env bash
# The settings store damaged or locked while the program runs, on a private X display:
#   store_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# Emptied, overwritten with random bytes or cut short by another program rewriting it in place,
# the store gets every setting back at the end; one that lost only its marker keeps its settings.
# A lock QSettings would wait on for good or for 30 s (a folder in its place, a fresh one naming
# the running copy or another machine) fails a save at once with one line, the program goes on
# and SIGTERM still ends it; a save stuck for good (the store turned into a FIFO) gives way 3 s
# after SIGTERM.
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"

# In sequence mode; but for the place the bar starts at (which the menu checks use), nothing a
# first run would write, so a reset to the defaults shows.
seed_settings() {
  mkdir -p "$(dirname "$settings")"
  cat >"$settings" <<'CONF'
[French]
ce=1
n=5
ctime=15
etime=15
rd=1
psave=1
ssave=1
visi=0
voice=1
guage=1
guagen=10104
red=0
mark=0
xxx=1
left=5680
sspeed=150
CONF
}
# The [French] keys but the sequence position, which moves as the bar plays.
kept() {
  grep -aE '^(ce|n|ctime|etime|rd|psave|ssave|visi|voice|guage|red|mark|xxx|left|sspeed)=' \
    "$settings" | sort | tr '\n' ' '
}
seed_settings
expected="$(kept)"
has_position() { [ "$(setting guagen)" -gt 10104 ] 2>/dev/null; }
ended_within() { wait_until "$1" bash -c "! kill -0 $pid 2>/dev/null"; }
# start_for NAME: a copy on the store as it is now, its bar shown; its output in NAME.log.
start_for() {
  start_program "$program" "$work/$1.log"
  wait_for_bar 5 || echo "(no bar for $1)"
}
# end_by SIGNAL SECONDS: the signal, then the end within SECONDS; the exit status in $status.
end_by() {
  kill -"$1" "$pid"
  if ended_within "$2"; then
    wait "$pid"
    status=$?
  else
    status="still running"
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null
  fi
  pid=""
}

# --- Emptied ------------------------------------------------------------------------------
start_for emptied
: >"$settings"
exit_through_menu
check "Exit writes every setting back into a store emptied while it ran" \
  eval '[ "$(kept)" = "$expected" ] && has_position'

# --- Only the marker lost -----------------------------------------------------------------
seed_settings
sed -i '/^xxx=/d' "$settings"
start_for unmarked
end_by TERM 2
check "a store without its marker is no first run: it keeps every setting, and the marker" \
  [ "$(kept)" = "$expected" ]

# --- Random bytes -------------------------------------------------------------------------
seed_settings
start_for random
head -c 3000 /dev/urandom >"$settings"
end_by TERM 2
check "random bytes in the store: the program says so" \
  grep -q "Vesk.conf holds text that is not a settings file; it is written anew" "$work/random.log"
check "and the store holds every setting again and nothing of the bytes" \
  eval '[ "$(kept)" = "$expected" ] && ! grep -qavE "^(\[(French|Learning)\]|[a-z_]+=[0-9,-]*|)$" "$settings"'

# --- Another program rewriting the store in place, slowly, during a mark ------------------
seed_settings
start_for rewritten
sleep 3 # a sentence is on the bar to be marked
cp "$settings" "$work/snapshot"
{ head -n 3 "$work/snapshot"; sleep 2; tail -n +4 "$work/snapshot"; } >"$settings" &
writer=$!
sleep 0.5
check "a mark while another program has the store half written is taken" "$program" --known
wait "$writer"
exit_through_menu
check "the store that mark read cut short gets every setting back at Exit, and the mark" \
  eval '[ "$(kept)" = "$expected" ] && [ -n "$(setting known)" ]'

# --- QSettings' own lock held -------------------------------------------------------------
seed_settings
start_for locked
sleep 3
mkdir "$settings.lock"
"$program" --known
check "with a folder in the place of the store's lock, a mark's save fails at once and says so" \
  wait_until 2 grep -q "Vesk.conf could not be saved: a folder is in the place of its lock file .*Vesk.conf.lock; the next save tries again" "$work/locked.log"
# "I know this one" moved the bar on: the next line is let in first, so that what --next brings
# is told from a line, not from a bar caught empty between two sentences.
for _ in $(seq 20); do shot 01-before-next; [ "$(text_left 01-before-next)" != none ] && break; sleep 0.2; done
"$program" --next
check "and the program goes on: the bar moves to the next sentence" \
  changes_within 2000 01-before-next 02-after-next
rmdir "$settings.lock"
"$program" --known
check "the next save goes through once the lock is free, with both marks" \
  wait_until 3 bash -c "grep -qE '^known=.*[-,]' '$settings'"
printf '999999\ndorvane\nelsewhere\n' >"$settings.lock" # a shared home's other machine
"$program" --known
check "a fresh lock from another machine fails a save at once, naming it" \
  wait_until 2 grep -q "its lock file .*Vesk.conf.lock is held by process 999999 on elsewhere" "$work/locked.log"
printf '%s\ndorvane\n%s\n' "$pid" "$(hostname)" >"$settings.lock"
"$program" --known
check "a fresh lock naming the running copy itself fails a save at once too" \
  wait_until 2 grep -q "its lock file .*Vesk.conf.lock names this very process" "$work/locked.log"
end_by TERM 1
check "and SIGTERM ends the program within a second" [ "$status" = 0 ]
rm -f "$settings.lock"

# --- A save stuck for good ----------------------------------------------------------------
seed_settings
start_for stuck
rm "$settings"
mkfifo "$settings" # reading it waits for a writer that never comes
end_by TERM 5
check "a save stuck for good gives way to SIGTERM within 3 s, with status 1 and one line" \
  eval '[ "$status" = 1 ] && grep -q "did not end within 3.0 s of being asked to" "$work/stuck.log"'
rm -f "$settings" "$settings.lock"

e2e_finish
