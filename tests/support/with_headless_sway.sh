#!/bin/sh
# Runs a command on a sway desktop of two outputs with no screen, then stops sway
# whatever happens to the command.
#
#   tests/support/with_headless_sway.sh COMMAND [ARGUMENT...]
#
# Two sways run: a headless one (the host), and inside it the desktop the command
# uses, whose outputs WL-1 and WL-2 (1280x720 each; `swaymsg output WL-2 mode
# 1024x768` resizes one) are floating windows of the host. sway 1.7 cannot switch a
# headless output off, but closing such a window unplugs its output.
# The command gets:
#   WAYLAND_DISPLAY  the desktop's socket (a full path; clients of any user reach it)
#   SWAYSOCK         the desktop's IPC socket, for swaymsg: `swaymsg create_output`
#                    plugs in an output, `swaymsg -t get_outputs` lists them
#   QV_SWAY_HOST     the host's IPC socket: `swaymsg -s "$QV_SWAY_HOST"
#                    '[title="wlroots - WL-2"] kill'` unplugs WL-2
# and no DISPLAY, so nothing reaches an X server by mistake. Every output has a solid
# green background (#00ff00): a part of an output that no window covers is green in
# a `grim` screenshot.
#
# sway refuses to run as root: as root it runs as the user nobody, while the command
# keeps running as root (a Wayland compositor serves any client that reaches its
# socket). Exits 77 (the tests' "skipped") when sway cannot run here.
set -eu

skip=77
for tool in sway swaymsg; do
    if ! command -v $tool >/dev/null 2>&1; then
        echo "with_headless_sway: $tool is not installed (setup.sh installs it); skipped" >&2
        exit $skip
    fi
done

as_user=""
if [ "$(id -u)" -eq 0 ]; then
    as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups --"
fi

folders=""
pids=""
stop_sways() {
    for pid in $pids; do
        kill "$pid" 2>/dev/null || true
    done
    # sway ends within a moment of SIGTERM; never leave one behind.
    for pid in $pids; do
        for _ in 1 2 3 4 5 6 7 8 9 10; do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$pid" 2>/dev/null || true
    done
    for folder in $folders; do
        rm -rf "$folder"
    done
}
trap stop_sways EXIT
trap 'exit 143' INT TERM HUP

# start_sway NAME [VARIABLE=VALUE...]: starts a sway with its own runtime folder and
# sets $ipc and $wayland to its sockets.
start_sway() {
    runtime=$(mktemp -d "${TMPDIR:-/tmp}/quintavue-$1.XXXXXX")
    shift
    folders="$folders $runtime"
    chmod 711 "$runtime"
    if [ -n "$as_user" ]; then
        chown nobody:nogroup "$runtime"
    fi
    # The desktop's outputs float on the host, so each keeps the size it is given.
    printf '%s\n' 'output * bg #00ff00 solid_color' 'default_border none' 'focus_follows_mouse no' \
        'for_window [title="^wlroots - "] floating enable' >"$runtime/config"
    env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" WLR_LIBINPUT_NO_DEVICES=1 \
        WLR_RENDERER=pixman "$@" $as_user sway -c "$runtime/config" >"$runtime/sway.log" 2>&1 &
    pid=$!
    pids="$pid $pids"
    ipc=""
    for _ in $(seq 1 100); do
        ipc=$(ls "$runtime"/sway-ipc.*.sock 2>/dev/null | head -n 1 || true)
        if [ -n "$ipc" ] && SWAYSOCK="$ipc" swaymsg -t get_version >/dev/null 2>&1; then
            break
        fi
        ipc=""
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    wayland=$(ls "$runtime"/wayland-* 2>/dev/null | grep -v '\.lock$' | head -n 1 || true)
    if [ -z "$ipc" ] || [ -z "$wayland" ]; then
        echo "with_headless_sway: sway did not start; its log:" >&2
        sed 's/^/  /' "$runtime/sway.log" >&2 || true
        exit $skip
    fi
}

start_sway sway-host WLR_BACKENDS=headless
host=$ipc
start_sway sway WLR_BACKENDS=wayland WLR_WL_OUTPUTS=2 WAYLAND_DISPLAY="$wayland"
# Both outputs are there once the desktop lists them.
for _ in $(seq 1 50); do
    [ "$(SWAYSOCK="$ipc" swaymsg -t get_outputs | grep -c '"name"')" -ge 2 ] && break
    sleep 0.1
done

unset DISPLAY
export WAYLAND_DISPLAY="$wayland" SWAYSOCK="$ipc" QV_SWAY_HOST="$host"
status=0
"$@" || status=$?
exit $status
