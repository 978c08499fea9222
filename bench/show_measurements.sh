#!/bin/bash
# Measures a running show under Xvfb at 1920x1080:
#  1. how long a slide change keeps the screen waiting besides its wipe, with
#     24-megapixel JPEGs (the next picture should be decoded while one stands);
#  2. the processor time the show takes while a slide stands after its transition
#     and caption, over 20 seconds.
# Usage: bench/show_measurements.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/pictures" "$work/config" "$work/data/Quintavue" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" XDG_CACHE_HOME="$work/cache"
export SDL_AUDIODRIVER=dummy QUINTAVUE_FRAME_STATS=1

echo "making three 6000x4000 JPEGs..."
for colours in "navy-orange" "darkgreen-khaki" "purple-pink"; do
  gm convert -size 6000x4000 "gradient:$colours" -swirl 120 -quality 90 "$work/pictures/$colours.jpg"
done

random_show() {  # delay in seconds
  printf '"Quintavue",0,1,0,%s,0,0,1,1\r\n"%s"\r\n"%s"\r\n' "$1" "$work/pictures" "$work/pictures" \
    > "$work/data/Quintavue/quintavu.rss"
}

echo "== slide changes (delay 2 s)"
random_show 2
xvfb-run -a -s "-screen 0 1920x1080x24" bash -c "
  '$build/quintavue' /s 2> '$work/changes.log' & pid=\$!
  sleep 30; kill -TERM \$pid; wait \$pid" || true
grep -E '^Slide|^FXImage' "$work/changes.log" || true

echo "== processor time while a slide stands (delay 60 s)"
random_show 60
xvfb-run -a -s "-screen 0 1920x1080x24" bash -c "
  '$build/quintavue' /s 2> /dev/null & pid=\$!
  sleep 10
  ticks() { awk '{print \$14 + \$15}' /proc/\$pid/stat; }
  before=\$(ticks); sleep 20; after=\$(ticks)
  hz=\$(getconf CLK_TCK)
  echo \"cpu over 20 s: \$(( (after - before) * 1000 / hz )) ms = \$(echo \"scale=2; (\$after - \$before) * 100 / \$hz / 20\" | bc) % of one core\"
  kill -TERM \$pid; wait \$pid" || true
