#!/bin/sh
# Cost per frame of FFmpeg's xfade filter beside our renderer, both on one thread, on
# the same two pictures at the same size.
#   bench/xfade_compare.sh [BUILD_DIR] [WxH] [FRAMES]
# FFmpeg reads both pictures as raw planar RGB (its native format for xfade) looped
# from a single frame; its cost per frame is the run with xfade minus the same run
# with the inputs passed straight through. Ours is processor time per frame from
# quintavue-effects. FFmpeg's "fade" is a cross-fade, which has no counterpart among
# our effects; it is listed for reference.
set -eu
build=${1:-build}
size=${2:-3840x2160}
frames=${3:-24}
tool="$build/quintavue-effects"
[ -x "$tool" ] || { echo "no $tool: build the quintavue-effects target first" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/xfade.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

# Our generated pair, written by our own renderer at the two ends of a transition.
"$tool" render --effect 1 --progress 0 --size "$size" -o "$work/a.png" 2>/dev/null
"$tool" render --effect 1 --progress 1 --size "$size" -o "$work/b.png" 2>/dev/null
for p in a b; do
  ffmpeg -v error -y -i "$work/$p.png" -pix_fmt gbrp -f rawvideo "$work/$p.raw"
done

rate=25
seconds=$(awk "BEGIN { printf \"%.4f\", $frames / $rate }")
input() {
  echo "-f rawvideo -pix_fmt gbrp -s $size -framerate $rate -stream_loop -1 -t $seconds -i $1"
}

# Processor seconds (user + system) of one ffmpeg run with the given filter graph.
ffmpeg_seconds() {
  # shellcheck disable=SC2046
  ffmpeg -hide_banner -nostdin -benchmark -threads 1 -filter_complex_threads 1 \
    $(input "$work/a.raw") $(input "$work/b.raw") \
    -filter_complex "$1" -map '[out]' -frames:v "$frames" -f null - 2>&1 |
    sed -n 's/.*utime=\([0-9.]*\)s stime=\([0-9.]*\)s.*/\1 \2/p' | awk '{ print $1 + $2 }'
}

ours_ms() { # effect grain
  "$tool" time --effect "$1" --grain "$2" --size "$size" --frames "$frames" 2>/dev/null |
    awk '/^effect/ { print $3 }'
}

base=$(ffmpeg_seconds '[1:v]nullsink;[0:v]null[out]')
echo "size $size, $frames frames, one thread each; ms per frame"
printf '%-11s %9s   %-26s %9s %8s\n' xfade ffmpeg ours ms "ffmpeg/ours"
compare() { # transition effect grain label
  with=$(ffmpeg_seconds "[0:v][1:v]xfade=transition=$1:duration=$seconds:offset=0[out]")
  theirs=$(awk "BEGIN { printf \"%.2f\", ($with - $base) * 1000 / $frames }")
  if [ "$2" = - ]; then
    printf '%-11s %9s   %-26s %9s %8s\n' "$1" "$theirs" "$4" - -
    return
  fi
  mine=$(ours_ms "$2" "$3")
  ratio=$(awk "BEGIN { printf \"%.1f\", $theirs / $mine }")
  printf '%-11s %9s   %-26s %9s %8s\n' "$1" "$theirs" "$4" "$mine" "$ratio"
}
compare wipeleft 2 8 "2 Right To Left (grain 8)"
compare slideleft 54 8 "54 Push Left1 (grain 8)"
compare circleopen 73 8 "73 Semicircle-Out (grain 8)"
compare dissolve 39 8 "39 Rnd Block (grain 8)"
compare dissolve 39 1 "39 Rnd Block (finest)"
compare fade - - "no cross-fade among ours"
