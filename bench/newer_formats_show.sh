#!/bin/bash
# The look-ahead with today's phone pictures: a custom show with delay 0 alternates
# 12-megapixel (4000x3000) HEIC and AVIF pictures, then the same pictures as JPEG, under
# Xvfb at 1920x1080. Six distinct pictures, more than the decode cache keeps, so every
# slide is decoded while the one before it is on screen. Reports, per kind, how long each
# slide change waited for its picture and the frame diagnostic's longest gap between two
# transition frames (two refresh periods at 60 Hz: 33 ms).
# Usage: bench/newer_formats_show.sh BUILD_DIR [SECONDS] [PICTURE_DIR]
#   SECONDS per show defaults to 60. With PICTURE_DIR the pictures are kept and reused.
set -euo pipefail
build=$(realpath "${1:-build}")
seconds=${2:-60}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pictures=$(realpath -m "${3:-$work/pictures}")
mkdir -p "$pictures" "$work/config/Quintavue" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" XDG_CACHE_HOME="$work/cache"
export SDL_AUDIODRIVER=dummy QUINTAVUE_FRAME_STATS=1

if [[ ! -s $pictures/base.png ]]; then
  echo "painting a 4000x3000 photo-like picture..."
  gm convert -size 4000x3000 plasma:fractal -blur 0x1 "$pictures/base.png"
fi
variants=(none -flop -flip)
for i in 0 1 2; do
  [[ -s $pictures/v$i.png ]] || gm convert "$pictures/base.png" ${variants[i]/none/} "$pictures/v$i.png"
  [[ -s $pictures/v$i.jpg ]] || gm convert "$pictures/v$i.png" -quality 90 "$pictures/v$i.jpg"
  [[ -s $pictures/v$i.heic ]] || heif-enc -q 80 "$pictures/v$i.png" -o "$pictures/v$i.heic" > /dev/null &
  [[ -s $pictures/v$i.avif ]] || avifenc -s 8 --min 20 --max 30 "$pictures/v$i.png" "$pictures/v$i.avif" > /dev/null &
  wait
done
ls -l "$pictures" | grep -E 'jpg|heic|avif'

# Slides alternate the two kinds given, delay 0, random effects at the catalogue's speed.
show_file() {
  local file=$work/show.css
  printf '"Quintavue",,,,,,,6\r\n' > "$file"
  for i in 0 1 2; do
    printf '"%s","",0,114,0,"",0\r\n' "$pictures/v$i.$1" >> "$file"
    printf '"%s","",0,114,0,"",0\r\n' "$pictures/v$(( (i + 1) % 3 )).$2" >> "$file"
  done
  echo "$file"
}

printf '[data]\nc_dissolve=0\n' > "$work/config/Quintavue/Quintavue.ini"
for kinds in "heic avif" "jpg jpg"; do
  set -- $kinds
  echo "== $1 and $2, delay 0, ${seconds} s, load average $(cut -d' ' -f1-3 /proc/loadavg)"
  xvfb-run -a -s "-screen 0 1920x1080x24" bash -c "
    '$build/quintavue' '$(show_file "$1" "$2")' 2> '$work/frames.log' & pid=\$!
    sleep $seconds; kill -TERM \$pid; wait \$pid" || true
  echo "slide changes: $(grep -c '^Slide' "$work/frames.log")"
  echo "wait for the picture before the transition (ms), all: $(sed -n 's/.*then \([0-9]*\) ms until.*/\1/p' "$work/frames.log" | tr '\n' ' ')"
  echo "longest gap between two frames per transition (ms): $(sed -n 's/.*longest gap \([0-9]*\) ms/\1/p' "$work/frames.log" | tr '\n' ' ')"
  echo "transitions with a gap over 33 ms: $(sed -n 's/.*longest gap \([0-9]*\) ms/\1/p' "$work/frames.log" | awk '$1 > 33' | wc -l) of $(grep -c '^FXImage' "$work/frames.log")"
done
