#!/bin/sh
# Times the random show's picture search beside find on one tree of 32,500 pictures
# in 210 folders (made on first use). Usage: bench/discovery_vs_find.sh BUILD_DIR
set -eu
build=${1:?build folder}
"$build/bench/showdata_discovery_bench" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
