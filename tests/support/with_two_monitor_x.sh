#!/bin/sh
# Runs a command on an X server with two monitors of different sizes, then stops the
# server whatever happens to the command.
#
#   tests/support/with_two_monitor_x.sh COMMAND [ARGUMENT...]
#
# The server is Xorg with the dummy video driver (Xvfb and Xephyr cannot give Qt two
# RandR monitors). It offers outputs DUMMY0 to DUMMY15; at the start DUMMY0 shows
# 1280x800 at 0,0 and DUMMY1 1024x768 at 1280,0; what no window covers shows a grey
# weave. The command gets DISPLAY, and
# plugs monitors in and out with xrandr: `xrandr --addmode DUMMY2 800x600` gives an
# output a size the server knows, `xrandr --output DUMMY2 --mode 800x600 --pos
# 1280x0` plugs it in, `xrandr --output DUMMY1 --off` unplugs one.
# Exits 77 (the tests' "skipped") where Xorg cannot run: it needs root and the
# xserver-xorg-core, xserver-xorg-video-dummy and x11-xserver-utils packages.
set -eu

skip=77
if [ "$(id -u)" -ne 0 ]; then
    echo "with_two_monitor_x: Xorg with the dummy driver needs root; skipped" >&2
    exit $skip
fi
for tool in Xorg xrandr; do
    if ! command -v $tool >/dev/null 2>&1; then
        echo "with_two_monitor_x: $tool is not installed (setup.sh installs it); skipped" >&2
        exit $skip
    fi
done
if ! ls /usr/lib/xorg/modules/drivers/dummy_drv.so >/dev/null 2>&1; then
    echo "with_two_monitor_x: the dummy video driver is not installed; skipped" >&2
    exit $skip
fi

folder=$(mktemp -d "${TMPDIR:-/tmp}/quintavue-xorg.XXXXXX")
server_pid=""
stop_server() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        for _ in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
            kill -0 "$server_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$server_pid" 2>/dev/null || true
    fi
    rm -rf "$folder"
}
trap stop_server EXIT
trap 'exit 143' INT TERM HUP

cat >"$folder/xorg.conf" <<'EOF'
Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "AutoEnableDevices" "false"
    Option "DontVTSwitch" "true"
EndSection
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 256000
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 3400 1100
    EndSubSection
EndSection
EOF

# A display number nobody uses.
number=60
while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do
    number=$((number + 1))
done
display=":$number"

# -retro: the root shows the old grey weave, so a part of a monitor that no window
# covers is not mistaken for a black one. -sharevts: never switch the console.
Xorg "$display" -config "$folder/xorg.conf" -noreset -nolisten tcp -novtswitch -sharevts -retro \
    -logfile "$folder/xorg.log" >"$folder/xorg.out" 2>&1 &
server_pid=$!
ready=""
for _ in $(seq 1 100); do
    if xrandr -display "$display" >/dev/null 2>&1; then
        ready=yes
        break
    fi
    kill -0 "$server_pid" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$ready" ]; then
    echo "with_two_monitor_x: Xorg did not start; its log:" >&2
    tail -n 20 "$folder/xorg.log" >&2 || cat "$folder/xorg.out" >&2 || true
    exit $skip
fi

export DISPLAY="$display"
xrandr --addmode DUMMY1 1024x768
xrandr --output DUMMY0 --mode 1280x800 --pos 0x0 --primary --output DUMMY1 --mode 1024x768 --pos 1280x0
unset WAYLAND_DISPLAY
status=0
"$@" || status=$?
exit $status
