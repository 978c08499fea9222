#!/bin/bash
# Soak test: a random show with delay 0 over COUNT pictures of mixed formats and
# sizes (up to 6000x4000) runs one whole pass under Xvfb at 1920x1080. Reports the
# largest resident memory seen and the frame diagnostic's longest gap between two
# transition frames.
# Usage: bench/soak_show.sh BUILD_DIR [COUNT] [PICTURE_DIR]
#   COUNT defaults to 1000. With PICTURE_DIR the pictures are kept there and reused
#   by later runs, so the show itself can be timed on a quiet machine.
set -euo pipefail
build=$(realpath "${1:-build}")
count=${2:-1000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pictures=${3:-$work/pictures}
mkdir -p "$pictures" "$work/config/Quintavue" "$work/data/Quintavue" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" XDG_CACHE_HOME="$work/cache"
export SDL_AUDIODRIVER=dummy QUINTAVUE_FRAME_STATS=1

formats=(jpg gif bmp pcx tga tif jpg jpg)
sizes=(640x480 1024x768 1920x1080 3000x2000 4000x3000 6000x4000 800x1200 2400x1600)
colours=(navy-orange darkgreen-khaki purple-pink black-gold teal-white maroon-skyblue)
make_picture() {
  local i=$1 format size
  format=${formats[i % ${#formats[@]}]}
  size=${sizes[(i / 8) % ${#sizes[@]}]}
  # Keep the big ones to JPEG, as photos are; the rest at a moderate size.
  [[ $format != jpg && $size =~ ^(4000|6000|3000) ]] && size=1600x1200
  local target
  target="$pictures/p$(printf %05d "$i").$format"
  [[ -s $target ]] && return
  # Written under another name first, so an interrupted run never leaves half a picture.
  gm convert -size "$size" "gradient:${colours[i % ${#colours[@]}]}" -swirl $((i % 300)) \
    "$format:$target.part" && mv "$target.part" "$target"
}
echo "making $count pictures in $pictures..."
for ((i = 0; i < count; ++i)); do
  make_picture "$i" &
  (( (i + 1) % $(nproc) == 0 )) && wait
done
wait
# No erase and no captions: one transition after the other, as fast as they come.
printf '[data]\nc_dissolve=0\n' > "$work/config/Quintavue/Quintavue.ini"
printf '"Quintavue",0,0,0,0,0,0,1,1\r\n"%s"\r\n"%s"\r\n' "$pictures" "$pictures" \
  > "$work/data/Quintavue/quintavu.rss"

xvfb-run -a -s "-screen 0 1920x1080x24" bash -c "
  '$build/quintavue' /s 2> '$work/frames.log' & pid=\$!
  peak=0
  quarter=\$(( ($count + 3) / 4 ))
  mark=\$quarter
  while kill -0 \$pid 2>/dev/null; do
    rss=\$(awk '/VmRSS/ {print \$2}' /proc/\$pid/status 2>/dev/null || echo 0)
    (( rss > peak )) && peak=\$rss
    shown=\$(grep -c '^FXImage' '$work/frames.log' || true)
    # Memory a quarter of the way at a time: a leak climbs, a working set levels off.
    if (( shown >= mark )); then
      echo \"resident memory after \$shown transitions: \$((rss / 1024)) MiB\"
      mark=\$(( mark + quarter ))
    fi
    (( shown >= $count )) && break
    sleep 1
  done
  echo \"peak resident memory: \$((peak / 1024)) MiB\"
  kill -TERM \$pid; wait \$pid || true"
echo "transitions: $(grep -c '^FXImage' "$work/frames.log")"
echo "longest gap between two frames (ms), largest five:"
sed -n 's/.*longest gap \([0-9]*\) ms/\1/p' "$work/frames.log" | sort -n | tail -5 | tr '\n' ' '; echo
echo "transitions with a gap over 33 ms (two refresh periods): $(sed -n 's/.*longest gap \([0-9]*\) ms/\1/p' "$work/frames.log" | awk '$1 > 33' | wc -l)"
