#!/bin/sh
# Makes the screenshots of the manual and the README by driving the real program
# under Xvfb, from a throw-away home folder that holds a few pictures, a custom show
# and a random show set-up, so that they can be made again whenever a window changes.
#
#   tools/make_screenshots.sh [BUILD_DIR] [SCALE]
#
# Writes data/manual/pictures/*.png (the help viewer's) and docs/*.png (the
# README's and the software centre's). SCALE 2 draws every window at twice the size
# (192 dpi) to look at how they fare on a high-density screen: those pictures go to
# /tmp/qv-shots-x2 and the manual's stay as they are. The windows the manual shows no
# picture of are drawn too, to look at: /tmp/qv-shots-more (at SCALE 2, -more-x2). Needs xvfb-run, xdotool, ImageMagick's import
# and GraphicsMagick; a window that does not come up stops the script with its name.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
scale=${2:-1}

# The outer run: one X server per screen size, then the pictures are made small.
if [ -z "${QV_SHOT_PHASE:-}" ]; then
  # A short, fixed folder: the browsers show the whole path, and the same path in
  # every run keeps an unchanged window's picture unchanged.
  work=/tmp/qv-shots
  rm -rf "$work"
  mkdir -m 700 "$work"
  trap 'rm -rf "$work"' EXIT
  for phase in windows show; do
    size=$((1280 * scale))x$((1024 * scale))x24
    [ "$phase" = show ] && size=$((1280 * scale))x$((720 * scale))x24
    QV_SHOT_PHASE=$phase QV_SHOT_WORK=$work \
      xvfb-run -a -s "-screen 0 $size -nolisten tcp" "$0" "$build" "$scale"
  done
  more=/tmp/qv-shots-more
  [ "$scale" = 1 ] || more=/tmp/qv-shots-more-x2
  rm -rf "$more"
  cp -r "$work/more" "$more"
  if [ "$scale" != 1 ]; then
    rm -rf /tmp/qv-shots-x2
    cp -r "$work/out" /tmp/qv-shots-x2
    ls /tmp/qv-shots-x2
    exit 0
  fi
  mkdir -p "$here/data/manual/pictures" "$here/docs"
  rm -f "$here"/data/manual/pictures/*.png
  # 256 colours, dithered, compressed at level 9 with adaptive filtering, no time
  # stamps: a third of the size, and an unchanged window gives an unchanged file.
  for picture in "$work"/out/*.png; do
    name=$(basename "$picture")
    # The help viewer scales pictures without smoothing, which breaks up their
    # letters: the manual gets them at the width the viewer has room for.
    width=700
    [ "$name" = show.png ] && width=640
    gm convert "$picture" -strip -filter Lanczos -resize "${width}x>" -colors 256 -quality 95 \
      "$here/data/manual/pictures/$name"
  done
  # The README and the software centre show them at their own size.
  for name in title-screen show; do
    gm convert "$work/out/$name.png" -strip -colors 256 -quality 95 "$here/docs/$name.png"
  done
  du -ch "$here"/data/manual/pictures/*.png | tail -1
  exit 0
fi

work=$QV_SHOT_WORK
out=$work/out
home=$work/ann
rm -rf "$home"
run=$work/run-$QV_SHOT_PHASE
mkdir -p "$out" "$work/more" "$home/.config/Quintavue" "$home/.local/share/Quintavue" "$run" "$home/Pictures"
chmod 700 "$run"
export QT_SCALE_FACTOR="$scale"
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
  XDG_RUNTIME_DIR="$run" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
unset XSCREENSAVER_WINDOW WAYLAND_DISPLAY || true
media=$build/share/quintavue/media
data=$XDG_DATA_HOME/Quintavue
cp "$media"/* "$home/Pictures/"
pictures=$home/Pictures

crlf() { sed 's/$/\r/'; }

# A custom show of six slides with captions, effects and a sound.
crlf > "$data/Holiday.css" <<EOF
"Quintavue",,,,,,,6
"$pictures/moonlake.jpg","Moonrise over the lake",8,22,10,"$pictures/waltz.mid",1
"$pictures/sunset.jpg","Sunset from the harbour wall",8,114,0,"",0
"$pictures/tulips.tif","Tulips in the old garden",6,7,20,"",0
"$pictures/meadow.jpg","",6,114,0,"Sound Off",0
"$pictures/aurora.tga","Northern lights, the last night",10,35,12,"$pictures/chimes.wav",0
"$pictures/sailboat.wmf","Regatta day",6,0,0,"",0
EOF
# The random show takes the pictures and sounds of ~/Pictures.
crlf > "$data/quintavu.rss" <<EOF
"Quintavue",0,1,0,15,0,0,1,1
"$pictures"
"$pictures"
EOF
printf 'Harbour Gallery - open daily\n' > "$data/data.sld"
cat > "$XDG_CONFIG_HOME/Quintavue/Quintavue.ini" <<EOF
[data]
RandomFlag=0
ActiveCSS=Holiday.css
show_border=1
picinfoFlag=1
EOF

# The browsers open in the folder the program starts in.
cd "$pictures"
program_pid=

start() {
  "$build/quintavue" "$@" >"$work/program-$QV_SHOT_PHASE.log" 2>&1 </dev/null &
  program_pid=$!
}

stop() {
  [ -n "$program_pid" ] || return 0
  kill -TERM "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=
}
trap stop EXIT

# True once the program has ended by itself, within 15 s.
finished() {
  tries=0
  while kill -0 "$program_pid" 2>/dev/null; do
    tries=$((tries + 1))
    [ "$tries" -lt 75 ] || return 1
    sleep 0.2
  done
  wait "$program_pid" 2>/dev/null || true
  program_pid=
}

# The visible window whose title matches the pattern, waited for up to 20 s.
window() {
  tries=0
  while :; do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1) || true
    [ -n "$id" ] && { sleep 1; echo "$id"; return 0; }
    tries=$((tries + 1))
    [ "$tries" -lt 100 ] || { echo "no window \"$1\" came up" >&2; cat "$work/program-$QV_SHOT_PHASE.log" >&2; exit 1; }
    sleep 0.2
  done
}

keys() {
  xdotool windowfocus --sync "$1"
  shift
  xdotool key --clearmodifiers "$@"
  sleep 0.5
}

# At a place given for scale 1.
click() {
  xdotool windowfocus --sync "$1"
  xdotool mousemove --window "$1" $(($2 * scale)) $(($3 * scale)) click 1
  sleep 0.5
}

shot() {
  xdotool mousemove $((1280 * scale - 1)) 1  # no pointer and no hover in the picture
  sleep 0.5
  import -window "$1" "$out/$2.png"
}

# A window the manual has no picture of, to look at: opened by the keys, drawn, closed.
look() {
  from=$1 name=$2 pattern=$3
  shift 3
  keys "$from" "$@"
  opened=$(window "$pattern")
  sleep 1
  xdotool mousemove $((1280 * scale - 1)) 1
  import -window "$opened" "$work/more/$name.png"
  keys "$opened" Escape
}

if [ "$QV_SHOT_PHASE" = windows ]; then
  start /c
  title=$(window '^Quintavue v')
  sleep 3  # the line of data.sld appears once the picture is up
  shot "$title" title-screen

  keys "$title" alt+o
  options=$(window '^Global Options$')
  shot "$options" options
  keys "$options" alt+b
  border=$(window '^Border Editor$')
  shot "$border" border
  keys "$border" Escape
  look "$options" dspeed '^Block Dissolve Speed$' alt+d space
  keys "$options" alt+p
  password=$(window '^Change Password$')
  shot "$password" password
  keys "$password" Escape
  keys "$options" Escape

  keys "$title" alt+e
  editor=$(window '^Custom Slide Show Editor$')
  keys "$editor" Tab Down Down
  shot "$editor" editor
  keys "$editor" alt+a
  add=$(window '^Add pictures to slide show$')
  # Three pictures chosen, the last one previewed.
  keys "$add" alt+u
  click "$add" 300 202
  xdotool keydown ctrl
  click "$add" 300 146
  click "$add" 300 160
  xdotool keyup ctrl
  sleep 2
  shot "$add" add-pictures
  keys "$add" Escape
  keys "$editor" alt+f
  effect=$(window '^Choose effect style$')
  sleep 4
  shot "$effect" effect-dialog
  keys "$effect" Escape Escape
  keys "$editor" alt+h
  chooser=$(window '^Select effects to be used')
  shot "$chooser" effects
  keys "$chooser" Escape
  look "$editor" desc_2 '^Edit description of picture$' alt+e
  look "$editor" delays '^Number of seconds to display picture$' alt+6
  look "$editor" wav '^Select Audio File$' alt+u
  look "$editor" cpic '^Picture$' alt+2
  look "$editor" insert '^Insert Picture$' alt+n
  look "$editor" cus_add2 '^Select new picture$' alt+i
  look "$editor" swap '^Swap positions$' alt+w
  look "$editor" csave '^Save Slideshow$' alt+s
  look "$editor" frmremove '^Delete Slideshow$' alt+l
  keys "$editor" alt+o
  question=$(window '^Load slide show$')
  look "$question" cload '^Load Slideshow$' alt+y
  keys "$editor" alt+c
  title=$(window '^Quintavue v')

  look "$title" about '^About Quintavue$' alt+a
  keys "$title" alt+r alt+e
  random=$(window '^Random Slide Show Editor$')
  shot "$random" random-setup
  keys "$random" Escape
  stop
else
  # A show of one slide, its border and caption drawn, the pointer hidden.
  crlf > "$data/Frame.css" <<EOF
"Quintavue",,,,,,,1
"$pictures/moonlake.jpg","Moonrise over the lake",999,0,0,"",0
EOF
  sed -i 's/^ActiveCSS=.*/ActiveCSS=Frame.css/' "$XDG_CONFIG_HOME/Quintavue/Quintavue.ini"
  printf 'screen_percent=90\n' >> "$XDG_CONFIG_HOME/Quintavue/Quintavue.ini"
  start /s
  sleep 12
  import -window root "$out/show.png"
  stop

  # The password prompt: a password set in its dialog, the desktop's switch on, and
  # a key pressed during the show.
  start /a
  password=$(window '^Change Password$')
  keys "$password" h e l l o Tab h e l l o Return
  finished || { echo "the password dialog did not close" >&2; exit 1; }
  printf '[Desktop]\nScreenSaveUsePassword=1\n' > "$XDG_CONFIG_HOME/Quintavue/desktop.conf"
  start /s
  sleep 12
  xdotool key x
  sleep 3
  # The prompt with some of the show around it, at its own size.
  import -window root "$work/prompt-screen.png"
  gm convert "$work/prompt-screen.png" -crop $((600 * scale))x$((260 * scale))+$((340 * scale))+$((230 * scale)) +repage \
    "$out/password-prompt.png"
  xdotool type --delay 50 hello  # the right password ends the show by itself
  finished || { echo "the password did not end the show" >&2; exit 1; }
fi
