#!/bin/sh
# Every help keyword the windows ask for has its section in the manual, and every
# link and picture of the manual leads somewhere.
#   manual_check.sh SOURCE_DIR MANUAL_HTML
set -u
src=$1
manual=$2
folder=$(dirname "$manual")
failed=0
[ -f "$manual" ] || { echo "no manual at $manual"; exit 1; }

keywords=$(grep -rhoE 'open_help\(QStringLiteral\("[^"]+"' "$src/src" | sed 's/.*("//; s/"$//' | sort -u)
while IFS= read -r keyword; do
  [ -n "$keyword" ] || continue
  anchor=$(printf '%s' "$keyword" | tr 'A-Z ' 'a-z-')
  grep -q "id=\"$anchor\"" "$manual" || { echo "help keyword \"$keyword\" has no section id=\"$anchor\""; failed=1; }
done <<KEYWORDS
$keywords
KEYWORDS

for anchor in $(grep -oE 'href="#[^"]+"' "$manual" | sed -E 's/href="#([^"]+)"/\1/' | sort -u); do
  grep -q "id=\"$anchor\"" "$manual" || { echo "link to #$anchor leads nowhere"; failed=1; }
done
for picture in $(grep -oE 'src="[^"]+"' "$manual" | sed -E 's/src="([^"]+)"/\1/' | sort -u); do
  [ -f "$folder/$picture" ] || { echo "picture $picture is missing"; failed=1; }
done
[ "$failed" -eq 0 ] && echo "manual: every help keyword has its section; every link and picture resolves"
exit "$failed"
