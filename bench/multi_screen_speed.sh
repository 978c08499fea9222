#!/bin/bash
# The show on two screens, 1920x1080 (main) and 3840x2160, on Xorg's dummy driver
# (run as root, as tests/support/with_two_monitor_x.sh is), beside the same show on
# one screen in the same run:
#  1. processor use of the default show of a fresh user (the sample media), over 60 s
#     after 10 s of warm-up: on both screens, on the 1920x1080 one alone and on the
#     3840x2160 one alone (the option screens=1 keeps the other black);
#  2. a random show with delay 0 over the sample pictures for 180 s, on both screens
#     and on each one alone: per screen, the transitions with a frame later than
#     two refresh periods (from the frame diagnostic, QUINTAVUE_FRAME_STATS=1).
# Usage: bench/multi_screen_speed.sh BUILD_DIR
set -euo pipefail
build=$(realpath "${1:-build}")
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The build is copied first, laid out as installed (the program finds its sample media
# beside it), so that a rebuild while the measurements run cannot change what is measured.
mkdir -p "$work/installed/bin" "$work/installed/share"
cp "$build/quintavue" "$work/installed/bin/"
cp -r "$build/share/quintavue" "$work/installed/share/"
build=$work/installed

# The harness with room for both monitors and a 3840x2160 mode.
sed -e 's/Virtual 3400 1100/Virtual 5760 2160/' \
    -e 's/^xrandr --addmode DUMMY1 1024x768$/xrandr --newmode 4k 262.75 3840 3888 3920 4000 2160 2163 2168 2191 +hsync -vsync; xrandr --addmode DUMMY1 4k/' \
    -e 's/^xrandr --output DUMMY0 --mode 1280x800 --pos 0x0 --primary --output DUMMY1 --mode 1024x768 --pos 1280x0$/xrandr --output DUMMY0 --mode 1920x1080 --pos 0x0 --primary --output DUMMY1 --mode 4k --pos 1920x0/' \
    "$here/../tests/support/with_two_monitor_x.sh" > "$work/with_big_monitors.sh"
chmod +x "$work/with_big_monitors.sh"

cat > "$work/frames.py" <<'PY'
import collections, re, sys
plans, stats = collections.defaultdict(list), collections.defaultdict(lambda: [0, 0])
for line in open(sys.argv[1], errors='replace'):
    m = re.match(r'Screen (\d+x\d+) at (\d+) Hz: effect (\d+) planned (\d+) ms', line)
    if m:
        plans[(m.group(3), m.group(4))].append((m.group(1), float(m.group(2))))
        continue
    m = re.match(r'FXImage effect (\d+): \d+ frames in (\d+) ms \(planned (\d+) ms\), longest gap (\d+) ms', line)
    if m and plans[(m.group(1), m.group(3))]:
        screen, rate = plans[(m.group(1), m.group(3))].pop(0)
        # Cut short (the show ended meanwhile): its last gap runs to the cut.
        if int(m.group(2)) + 100 < int(m.group(3)):
            continue
        s = stats[f'{screen} at {rate:.0f} Hz']
        s[0] += 1
        s[1] += int(m.group(4)) > 2000.0 / rate
for screen, (n, late) in sorted(stats.items()):
    print(f'  {screen}: {n} transitions, {late} with a frame later than two refresh periods ({100.0 * late / n:.0f} per 100)')
PY

cat > "$work/measure.sh" <<'SH'
#!/bin/bash
set -u
program=$1; media=$2; work=$3
show() {  # screens main-output delay-or-empty: starts the show, sets $pid and $home
  home=$(mktemp -d "$work/home.XXXX"); mkdir -p "$home/config/Quintavue" "$home/data/Quintavue" "$home/run"
  chmod 700 "$home/run"
  printf '[data]\nscreens=%s\n' "$1" > "$home/config/Quintavue/Quintavue.ini"
  [ -z "$3" ] || printf '"Quintavue",0,1,0,%s,0,0,1,1\r\n"%s"\r\n"%s"\r\n' "$3" "$media" "$media" \
      > "$home/data/Quintavue/quintavu.rss"
  xrandr --output "$2" --primary
  env XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run" XDG_CACHE_HOME="$home/cache" \
      SDL_AUDIODRIVER=dummy QUINTAVUE_FRAME_STATS=1 QUINTAVUE_RANDOM_SEED=1 "$program" /s 2> "$home/log" & pid=$!
}
cpu() {  # title screens main-output
  show "$2" "$3" ""
  sleep 10; a=$(awk '{print $14 + $15}' /proc/$pid/stat); sleep 60; b=$(awk '{print $14 + $15}' /proc/$pid/stat)
  if ! kill -TERM $pid 2>/dev/null; then echo "$1: the show ended early"; return; fi
  wait $pid 2>/dev/null || true
  echo "$1: $(echo "scale=2; ($b - $a) * 100 / $(getconf CLK_TCK) / 60" | bc) % of one core"
}
echo "== processor use of the default show (60 s after 10 s)"
cpu "both screens" 0 DUMMY0
cpu "1920x1080 alone" 1 DUMMY0
cpu "3840x2160 alone" 1 DUMMY1
echo "== late frames, random show with delay 0 (180 s)"
for run in "0 DUMMY0 both screens" "1 DUMMY0 1920x1080 alone" "1 DUMMY1 3840x2160 alone"; do
  read -r screens output title <<< "$run"
  show "$screens" "$output" 0
  sleep 180; kill -TERM $pid; wait $pid 2>/dev/null || true
  echo "$title:"
  python3 "$work/frames.py" "$home/log"
done
SH
chmod +x "$work/measure.sh"
"$work/with_big_monitors.sh" "$work/measure.sh" "$build/bin/quintavue" "$build/share/quintavue/media" "$work"
