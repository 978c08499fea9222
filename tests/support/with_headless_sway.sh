#!/bin/sh
# Runs a command inside a headless sway (a Wayland desktop with no screen), then
# stops sway whatever happens to the command.
#
#   tests/support/with_headless_sway.sh COMMAND [ARGUMENT...]
#
# The command gets:
#   WAYLAND_DISPLAY  the compositor's socket (a full path; clients of any user reach it)
#   SWAYSOCK         sway's IPC socket, for swaymsg (`swaymsg create_output` adds an
#                    output, `swaymsg -t get_outputs` lists them)
#   QV_SWAY_RUNTIME  sway's runtime folder
# and no DISPLAY, so nothing reaches an X server by mistake. Every output has a solid
# green background (#00ff00): a part of an output that no window covers is green in
# a `grim` screenshot.
#
# sway refuses to run as root: as root it runs as the user nobody, while the command
# keeps running as root (a Wayland compositor serves any client that reaches its
# socket). Exits 77 (the tests' "skipped") when sway cannot run here.
set -eu

skip=77
if ! command -v sway >/dev/null 2>&1 || ! command -v swaymsg >/dev/null 2>&1; then
    echo "with_headless_sway: sway is not installed (setup.sh installs it)" >&2
    exit $skip
fi

runtime=$(mktemp -d "${TMPDIR:-/tmp}/quintavue-sway.XXXXXX")
chmod 711 "$runtime"
as_user=""
if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$runtime"
    as_user="setpriv --reuid=nobody --regid=nogroup --clear-groups --"
fi

sway_pid=""
stop_sway() {
    if [ -n "$sway_pid" ]; then
        kill "$sway_pid" 2>/dev/null || true
        # sway ends within a moment of SIGTERM; never leave one behind.
        for _ in 1 2 3 4 5 6 7 8 9 10; do
            kill -0 "$sway_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -9 "$sway_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap stop_sway EXIT
trap 'exit 143' INT TERM HUP

cat >"$runtime/config" <<'EOF'
output * bg #00ff00 solid_color
default_border none
focus_follows_mouse no
EOF

env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    $as_user sway -c "$runtime/config" >"$runtime/sway.log" 2>&1 &
sway_pid=$!

# The compositor is ready once its IPC socket answers.
socket=""
for _ in $(seq 1 100); do
    socket=$(ls "$runtime"/sway-ipc.*.sock 2>/dev/null | head -n 1 || true)
    if [ -n "$socket" ] && SWAYSOCK="$socket" swaymsg -t get_version >/dev/null 2>&1; then
        break
    fi
    socket=""
    kill -0 "$sway_pid" 2>/dev/null || break
    sleep 0.1
done
wayland=$(ls "$runtime"/wayland-* 2>/dev/null | grep -v '\.lock$' | head -n 1 || true)
if [ -z "$socket" ] || [ -z "$wayland" ]; then
    echo "with_headless_sway: sway did not start; its log:" >&2
    sed 's/^/  /' "$runtime/sway.log" >&2 || true
    exit $skip
fi

unset DISPLAY
export WAYLAND_DISPLAY="$wayland" SWAYSOCK="$socket" QV_SWAY_RUNTIME="$runtime"
status=0
"$@" || status=$?
exit $status
