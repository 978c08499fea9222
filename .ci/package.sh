#!/usr/bin/env bash
# Builds the Debian package as packagers build it (Release, Debian's hardening flags),
# in a copy so the source tree stays clean, then checks it: lintian must report no
# error and no warning, and every file must sit in its FHS place.
# Usage: .ci/package.sh WORK_DIR   (the .deb is left in WORK_DIR)
# The tests are not built here: CI runs them in its other phases. Warnings stop the
# build and precompiled headers are off, so a file that uses a header it does not
# include fails here. Debug information (and its -dbgsym package) is left out: it
# took a sixth more processor time (756 s against 645 s) and checks nothing CI looks at.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$1
source_copy="$work/quintavue"
mkdir -p "$source_copy"
tar --exclude=./.git --exclude=./build --exclude='./build-*' --exclude='./obj-*' -cf - . | tar -C "$source_copy" -xf -

(cd "$source_copy" &&
 DEB_BUILD_OPTIONS="nocheck noautodbgsym parallel=$(nproc)" DEB_CXXFLAGS_STRIP=-g \
 QV_EXTRA_CMAKE_FLAGS="-DQV_WERROR=ON -DQV_PCH=OFF" dpkg-buildpackage -us -uc -b)

version=$(dpkg-parsechangelog -l debian/changelog -S Version)
deb="$work/quintavue_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
lintian --fail-on error,warning "$deb"

dpkg -c "$deb"
files=$(dpkg -c "$deb" | awk '{print $6}' | grep -v '/$')
status=0
for expected in ./usr/bin/quintavue ./usr/libexec/quintavue/quintavue-prepare-tunes \
                ./usr/share/quintavue/media/sunset.jpg ./usr/share/quintavue/media/waltz.mid \
                ./usr/share/quintavue/manual/qvmanual.html ./usr/share/quintavue/artwork/title.jpg \
                ./usr/share/quintavue/wmf-fonts/type.mgk ./usr/share/man/man1/quintavue.1.gz \
                ./usr/share/applications/quintavue.desktop \
                ./usr/share/metainfo/io.github.quintavue.Quintavue.metainfo.xml \
                ./usr/share/xscreensaver/config/quintavue.xml \
                ./usr/share/icons/hicolor/256x256/apps/quintavue.png ./usr/share/doc/quintavue/copyright; do
  if ! grep -q -x -F "$expected" <<< "$files"; then
    echo "package: $expected is missing"
    status=1
  fi
done
# Programs in /usr/bin, the program's helpers in /usr/libexec/quintavue, everything
# else under /usr/share: nothing in /usr/local, /opt, /etc or a build folder.
if misplaced=$(grep -v -e '^\./usr/bin/[^/]*$' -e '^\./usr/libexec/quintavue/[^/]*$' -e '^\./usr/share/' <<< "$files"); then
  echo "package: files outside /usr/bin, /usr/libexec/quintavue and /usr/share:"
  echo "$misplaced"
  status=1
fi
exit $status
