#!/bin/sh
# Installs every Debian 12 package that Quintavue needs to build, run, test and package.
# Safe to run again: it installs only what is missing.
set -eu

packages="
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins libqt6dbus6 libqt6printsupport6
  libgraphicsmagick++1-dev graphicsmagick libheif-dev libavif-dev libjxl-dev libheif-examples libavif-bin
  libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  libx11-dev libxtst-dev libxkbcommon-dev libxkbcommon-x11-dev
  fonts-liberation2 fonts-urw-base35
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev lld
  xvfb xauth x11-apps imagemagick dbus openbox poppler-utils man-db desktop-file-utils appstream xdotool
  qt6-wayland qt6-base-private-dev libwayland-dev wayland-protocols sway grim wtype xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
  debhelper lintian
"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

if [ -z "$missing" ]; then
  echo "setup: every package is installed"
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "setup: installing$missing"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
