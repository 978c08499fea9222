#!/bin/sh
# Runs one test binary headless, with settings and data folders of its own, so that
# no test ever touches a real user's settings or shows.
set -eu
scratch=$(mktemp -d "${TMPDIR:-/tmp}/quintavue-test.XXXXXX")
trap 'rm -rf "$scratch"' EXIT INT TERM
mkdir -p "$scratch/config" "$scratch/data" "$scratch/runtime" "$scratch/cache"
chmod 700 "$scratch/runtime"
export XDG_CONFIG_HOME="$scratch/config"
export XDG_DATA_HOME="$scratch/data"
export XDG_RUNTIME_DIR="$scratch/runtime"
export XDG_CACHE_HOME="$scratch/cache"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export QV_TEST_SCRATCH="$scratch"
"$@"
