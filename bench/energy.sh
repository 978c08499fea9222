#!/bin/bash
# What the show costs while nobody looks, for one build or for a build before and
# after a change, in one run so that both meet the same machine:
#  1. processor use of the show a fresh user gets (the random show of the sample
#     media: file-name captions, block erase, border, sounds) under Xvfb at 1920x1080
#     and at 3840x2160: user + system ticks of the process over 60 s after 10 s;
#     The program keeps the MIDI tunes it synthesized in a cache: the first run of a
#     fresh user synthesizes each tune it plays that is not already in the tunes
#     synthesized ahead (the build's share/quintavue/tunes holds the sample tunes),
#     later runs play them from the cache. So the 1920x1080 show is measured twice, the
#     first run and the next one; the 3840x2160 show runs with the cache filled. The
#     first figure again with the sample MIDI tunes left out tells what the tunes cost;
#  2. wake-ups of a random show of pictures only (no sound files), delay 60 s, while
#     a slide stands: voluntary + involuntary context switches of all its threads over
#     20 s, after 15 s (the first slide's transition and caption are over by then),
#     thread by thread, so a thread that ends meanwhile (an idle worker) is left out.
# Usage: bench/energy.sh BUILD_DIR [BEFORE_BUILD_DIR]
# Run it on a quiet machine: the figures are processor time, which other work on the
# machine inflates. A build that knows QUINTAVUE_RANDOM_SEED draws the same pictures,
# effects and sounds in every run; one that does not draws anew each time, and the
# effects drawn move its figure by half or more. The uptime load averages are printed
# with the results.
set -euo pipefail
after=$(realpath "${1:?usage: bench/energy.sh BUILD_DIR [BEFORE_BUILD_DIR]}")
before=${2:+$(realpath "$2")}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
hz=$(getconf CLK_TCK)

# Each build is copied first (the program and its data, laid out as installed), so
# that a rebuild while the measurements run cannot change or remove what is measured.
snapshot() {  # build dir, name
  mkdir -p "$work/$2/bin" "$work/$2/share"
  cp "$1/quintavue" "$work/$2/bin/"
  cp -r "$1/share/quintavue" "$work/$2/share/"
  echo "$work/$2"
}

# A fresh user: empty settings, data and cache folders.
fresh_user() {
  rm -rf "$work/home"
  mkdir -p "$work/home/config" "$work/home/data/Quintavue" "$work/home/runtime" "$work/home/cache"
  chmod 700 "$work/home/runtime"
}

# The sample pictures alone, for the silent show.
pictures_only() {  # build dir
  rm -rf "$work/pictures"
  mkdir -p "$work/pictures"
  find "$1/share/quintavue/media" -maxdepth 1 -type f ! -iname '*.wav' ! -iname '*.mid' \
    -exec cp {} "$work/pictures/" \;
  printf '"Quintavue",0,1,0,60,0,0,1,0\r\n"%s"\r\n' "$work/pictures" \
    > "$work/home/data/Quintavue/quintavu.rss"
}

# Runs the show of BUILD under Xvfb at SIZE and prints what MEASURE prints.
run_show() {  # build size measure
  XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
  XDG_RUNTIME_DIR="$work/home/runtime" XDG_CACHE_HOME="$work/home/cache" SDL_AUDIODRIVER=dummy QUINTAVUE_RANDOM_SEED=1 \
  xvfb-run -a -s "-screen 0 ${2}x24" bash -c "
    '$1/bin/quintavue' /s 2>/dev/null & pid=\$!
    $3
    kill -0 \$pid 2>/dev/null || echo 'the show ended early' >&2
    kill -TERM \$pid 2>/dev/null; wait \$pid" || true
}

# Per cent of one core over 60 s, after 10 s.
cpu_measure='
    sleep 10
    ticks() { awk "{print \$14 + \$15}" /proc/$pid/stat; }
    start=$(ticks); sleep 60; end=$(ticks)
    echo "$(( end - start ))"'

# Context switches over 20 s, after 15 s, thread by thread: a thread that ends in
# between takes its count with it, so each thread counts from its own start value
# (a thread that starts in between counts from 0).
wake_measure='
    sleep 15
    switches() { for task in /proc/$pid/task/*; do
        awk -v tid=${task##*/} "/^(non)?voluntary_ctxt_switches/ {sum += \$2} END {print tid, sum}" \
          $task/status 2>/dev/null; done; }
    switches > '"$work"'/start.txt; sleep 20; switches > '"$work"'/end.txt
    awk "NR == FNR {start[\$1] = \$2; next} {sum += \$2 - start[\$1]} END {print sum}" \
      '"$work"'/start.txt '"$work"'/end.txt'

cpu() {  # build size: the same user as the run before
  local ticks
  ticks=$(run_show "$1" "$2" "$cpu_measure" | tail -1)
  echo "scale=2; ${ticks:-0} * 100 / $hz / 60" | bc
}

wakeups() {  # build
  fresh_user
  pictures_only "$1"
  local count
  count=$(run_show "$1" 1920x1080 "$wake_measure" | tail -1)
  echo "scale=1; ${count:-0} / 20" | bc
}

# The same build with the sample media's MIDI tunes left out.
without_tunes() {  # snapshot dir
  cp -r "$1" "$1-no-tunes"
  find "$1-no-tunes/share/quintavue/media" -iname '*.mid' -delete
  echo "$1-no-tunes"
}

builds=("$(snapshot "$after" after)")
names=("after")
if [ -n "$before" ]; then
  builds=("$(snapshot "$before" before)" "${builds[0]}")
  names=("before" "after")
fi

echo "load before measuring:$(uptime | sed 's/.*load average//')"
printf '%-8s %22s %22s %22s %22s %22s\n' "" "1920x1080, first run" "1920x1080, next run" \
  "3840x2160, next run" "1920x1080, no tunes" "silent slide"
for i in "${!builds[@]}"; do
  build=${builds[$i]}
  fresh_user
  first_run=$(cpu "$build" 1920x1080)
  next_run=$(cpu "$build" 1920x1080)
  uhd=$(cpu "$build" 3840x2160)
  fresh_user
  no_tunes=$(cpu "$(without_tunes "$build")" 1920x1080)
  wakes=$(wakeups "$build")
  printf '%-8s %20s %% %20s %% %20s %% %20s %% %14s wakes/s\n' "${names[$i]}" "$first_run" "$next_run" "$uhd" \
    "$no_tunes" "$wakes"
done
echo "load after measuring:$(uptime | sed 's/.*load average//')"
echo "(processor use: per cent of one core, user + system, 60 s after 10 s;"
echo " wake-ups: context switches of all threads per second, 20 s after 15 s)"
