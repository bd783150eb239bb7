#!/usr/bin/env bash
# The learner's own decks in the built program, on a private X display:
#   decks_e2e.sh PATH/TO/dorvane [SCREENSHOT_FOLDER]
# A semicolon file in Windows-1252 imported from the command line with no copy running; the
# deck playing on the bar, read back with tesseract; a sentence marked known; an updated file
# imported while the copy runs, the mark kept and the new sentence played; a restart that goes
# on with the deck; a file imported through the Learn menu's dialog; a sentence added.
set -uo pipefail
program="$1"
source "$(cd "$(dirname "$0")" && pwd)/lib.sh"
e2e_setup "${2:-}"
decks="$XDG_DATA_HOME/Dorvane/decks"

# The way French Excel saves a sheet: semicolons, CRLF, Windows-1252, quotes where needed.
printf 'Français;Anglais\r\nBonjour Marie;Hello Marie\r\n"Merci; à demain";"Thanks; see you tomorrow"\r\n' |
  iconv -f utf-8 -t cp1252 >"$work/voyage.csv"
summary="$("$program" --import "$work/voyage.csv" --deck Voyage 2>&1)"; status=$?
check "an import with no copy running exits 0" [ "$status" = 0 ]
check "its summary counts the sentences and names the encoding ($summary)" \
  eval 'grep -q "2 added" <<<"$summary" && grep -q "Windows-1252" <<<"$summary"'
check "the deck is a plain UTF-8 text file" grep -q $'^Merci; à demain\tThanks; see you tomorrow' "$decks/Voyage.tsv"
"$program" --import /etc/hostname.none 2>"$work/refused.txt"; status=$?
check "a file that is not there is refused with exit 1, naming it" \
  eval '[ "$status" = 1 ] && grep -q "hostname.none" "$work/refused.txt"'

e2e_start_with '[French]\nxxx=1\nrd=1\nguage=1\nn=1\nctime=4\netime=2\n\n[Decks]\nplaying=Voyage\n' 5
check "the bar plays the deck's first sentence" wait_until 15 shows_text 01-deck "bonjour marie"
"$program" --known
check "--known marks it in the deck's own file" \
  wait_until 3 grep -qx "known=Bonjour Marie" "$decks/Voyage.deck"
check "and the bar moves on to the next" wait_until 4 shows_text 02-next "merci"

# A newer export of the same sheet, in UTF-8 this time: one translation changed, one added.
printf 'Français;Anglais\nBonjour Marie;Hello, Marie\n"Merci; à demain";"Thanks; see you tomorrow"\nOù est la gare ?;Where is the station?\n' \
  >"$work/voyage.csv"
summary="$("$program" --import "$work/voyage.csv" --deck Voyage 2>&1)"
check "importing it again updates the deck in place ($summary)" \
  eval 'grep -q "1 added" <<<"$summary" && grep -q "1 updated" <<<"$summary" && grep -q "1 unchanged" <<<"$summary"'
check "the known mark is kept" grep -qx "known=Bonjour Marie" "$decks/Voyage.deck"
gare_shown() { "$program" --next; sleep 1.5; shows_text 03-gare "gare"; }
check "the running copy plays the new sentence, passing the known one" wait_until 12 gare_shown

exit_through_menu
check "Exit ends the program" [ -z "$pid" ]
start_program "$program" "$work/again.log"
check "the next start plays the deck again, not its known sentence" \
  eval 'wait_until 15 shows_text 04-again "merci" || shows_text 04-again "gare"'

# The menu's way: Learn > Import sentences..., the file's path typed into the file dialog.
printf 'front\tback\nJe voudrais un café.\tI would like a coffee.\nC'"'"'est combien ?\tHow much is it?\n' \
  >"$work/cafe.txt"
hover_menu_picture; sleep 0.6
xdotool key l; sleep 0.4; xdotool key m; sleep 1.5
shot 05-file-dialog
xdotool type --delay 20 "$work/cafe.txt"; xdotool key Return
preview_shown() { shot 06-preview; viewable "Import sentences"; }
check "the import dialog shows its preview" wait_until 5 preview_shown
# Read from the dialog alone: on the whole screen, tesseract takes the black desktop and the
# bar for the page and drops the table's left column.
preview_read() {
  local at size
  read -r at size <<<"$(geometry "Import sentences")"
  shot 06-preview &&
    convert "$shots/06-preview.png" -crop "$size+${at/,/+}" +repage -resize 200% "$work/preview.png" &&
    tesseract "$work/preview.png" - -l fra+eng 2>/dev/null | grep -q "voudrais un caf"
}
sleep 1
check "the preview reads the file's first sentence" wait_until 5 preview_read
xdotool key Return; sleep 1 # Import, then the summary's OK
shot 07-summary
xdotool key Return
check "the dialog's import writes the deck" wait_until 3 test -f "$decks/cafe.tsv"
check "and the bar plays it at once" wait_until 12 eval 'shows_text 08-cafe "voudrais" || shows_text 08-cafe "combien"'

"$program" --add "Il fait beau aujourd'hui." "The weather is nice today."; status=$?
check "--add puts a sentence into \"My sentences\"" \
  eval '[ "$status" = 0 ] && grep -q "^Il fait beau" "$decks/My sentences.tsv"'

# A deck in German is read by a German voice, named on stderr.
printf 'sentence\ttranslation\tkey\nGuten Morgen\tGood morning\t1\n' >"$decks/Deutsch.tsv"
printf 'name=Deutsch\nlanguage=de\n' >"$decks/Deutsch.deck"
"$program" --add "Wie geht es dir?" "How are you?" --deck Deutsch # the running copy reads it
sleep 1
"$program" --play-deck Deutsch
check "a German deck is read by a German voice, named on stderr" \
  wait_until 10 grep -qE '^speech: (voice ".*" for German|no voice reads German)' "$work/again.log"
exit_through_menu
e2e_finish
