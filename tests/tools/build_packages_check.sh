#!/bin/sh
# setup.sh and the Debian package's Build-Depends must name the same packages, so a
# package built by dpkg-buildpackage has what a developer's build has.
# Usage: build_packages_check.sh SOURCE_DIR
set -eu
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Every Debian build has build-essential (Build-Depends must not name it); lintian only
# checks the package once built.
sed -n '/^packages="/,/^"/p' "$source_dir/setup.sh" | sed 's/^packages="//; s/"$//' | tr -s ' \t' '\n\n' \
  | grep -v -x -e '' -e build-essential -e lintian | sort -u > "$scratch/setup"

# Build-Depends runs from its own line to the next field; version constraints and
# architecture lists are dropped, and debhelper-compat is debhelper.
sed -n '/^Build-Depends:/,/^[A-Za-z-]*:/{/^Build-Depends:/{s/^Build-Depends://;p;d};/^[A-Za-z-]*:/d;p}' \
    "$source_dir/debian/control" \
  | tr ',|' '\n\n' | sed 's/[[(].*//; s/^[ \t]*//; s/[ \t]*$//' | sed 's/^debhelper-compat$/debhelper/' \
  | grep -v -x '' | sort -u > "$scratch/control"

if [ ! -s "$scratch/setup" ] || [ ! -s "$scratch/control" ]; then
    echo "could not read the package lists of setup.sh or debian/control"
    exit 1
fi
if ! diff "$scratch/setup" "$scratch/control" > "$scratch/diff"; then
    echo "setup.sh (<) and debian/control's Build-Depends (>) differ:"
    grep '^[<>]' "$scratch/diff"
    exit 1
fi
