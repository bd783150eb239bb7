#!/usr/bin/env bash
# check_layers.sh SRC_DIR: the folders of the program include one another in one direction only,
# app -> ui -> platform -> core, and no two folders include each other, however indirectly.
# Prints every offending #include line (file:line) and fails if there is any.
set -uo pipefail
src="$1"
cd "$src" || exit 2

rank() {
  case "$1" in
    core | core/*) echo 0 ;;
    platform | platform/*) echo 1 ;;
    ui | ui/*) echo 2 ;;
    app | app/*) echo 3 ;;
    *) echo -1 ;;
  esac
}

failed=0
edges="$(mktemp)"
trap 'rm -f "$edges"' EXIT
# Every "file:line:#include "path"" of our own headers, as "from-folder to-folder file:line text".
while IFS= read -r hit; do
  file="${hit%%:*}"
  rest="${hit#*:}"
  number="${rest%%:*}"
  text="${rest#*:}"
  [[ "$text" =~ \"([^\"]+)\" ]] || continue
  path="${BASH_REMATCH[1]}"
  from="${file%/*}"
  to="${path%/*}"
  [ "$to" = "$path" ] && continue # a file of the same folder, named alone
  [ -d "$to" ] || continue # a generated file beside the source (.moc)
  [ "$from" = "$to" ] && continue
  if [ "$(rank "$to")" -gt "$(rank "$from")" ]; then
    echo "upward include (app -> ui -> platform -> core): $file:$number: $text"
    failed=1
  fi
  echo "$from $to $file:$number: $text" >>"$edges"
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"' --include='*.h' --include='*.cpp' . |
  sed 's|^\./||')

# An include between two folders that reach each other through includes closes a loop.
loops="$(awk '
  { from[NR] = $1; to[NR] = $2; $1 = $2 = ""; where[NR] = substr($0, 3); reach[from[NR], to[NR]] = 1
    node[from[NR]] = node[to[NR]] = 1 }
  END {
    for (k in node) for (i in node) if (reach[i, k]) for (j in node) if (reach[k, j]) reach[i, j] = 1
    for (n = 1; n <= NR; n++) if (reach[to[n], from[n]]) print "folders include each other: " where[n]
  }' "$edges")"
if [ -n "$loops" ]; then
  echo "$loops"
  failed=1
fi

folders="$(cut -d' ' -f1 "$edges" | sort -u | wc -l)"
if [ "$failed" = 0 ]; then
  echo "$(wc -l <"$edges") includes between $folders folders, all downwards, no loop"
fi
exit "$failed"
