#!/usr/bin/env bash
# `make bench`: the program's figures beside the platform's floor. Builds the benchmark programs,
# runs them under Wine on a virtual display, and writes what they report, with the commands that
# made it, to build/bench/report.txt. A benchmark reports; it never fails on a slow machine.
#
#   STARTUP_RUNS  starts of each program, taken alternately (20)
#   TICKS         ticks of each timer for CPU time and instructions (10000)
#   SOAK_TICKS    ticks of each timer before the second reading of private bytes (100000)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/wine-env.sh

STARTUP_RUNS=${STARTUP_RUNS:-20}
TICKS=${TICKS:-10000}
SOAK_TICKS=${SOAK_TICKS:-100000}
build=$PWD/build/win32
out=$PWD/build/bench
mkdir -p "$out"

if [ "${1:-}" != "--on-display" ]; then
  cmake --build "$build" --target bench_programs -j "$(nproc)" >/dev/null
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --on-display
fi

report="$out/report.txt"
: > "$report"
say() { echo "$*" | tee -a "$report"; }
run() { # the command as it was run, then what it printed
  say "\$ $*"
  "$@" > "$out/last-run.txt" 2>&1
  tee -a "$report" < "$out/last-run.txt"
}

# One server for every run, and Wine's own services started before the first measured start, with
# nothing of ours as their output.
wineserver -p
trap 'wineserver -k' EXIT
zbw_wine cmd /c exit > /dev/null 2>&1

say "# Footprint on disk"
for program in zhongbaiwu minimal_window bare_main_window; do
  say "$program.exe: $(stat -c %s "$build/$program.exe") bytes;" \
      "imports: $(i686-w64-mingw32-objdump -p "$build/$program.exe" | awk '/DLL Name/ {print $3}' | sort | paste -sd' ')"
done

say ""
say "# Start-up: process start to the main window shown and painted"
say "# (beside an empty window, and beside the program's window built by plain calls)"
(cd "$build" && run zbw_wine startup_bench.exe "$STARTUP_RUNS" zhongbaiwu.exe minimal_window.exe \
   bare_main_window.exe)

say ""
say "# Cost of a tick: CPU and wall time"
(cd "$build" && run zbw_wine tick_bench.exe "$TICKS")

say ""
say "# Cost of a tick: instructions of the benchmark's thread, counted by callgrind"
callgrind="$out/callgrind"
rm -rf "$callgrind" && mkdir -p "$callgrind"
# Its own report of times is left out: under valgrind they say nothing.
counted=(env LC_ALL=zh_CN.UTF-8 valgrind --tool=callgrind --collect-atstart=no
         --trace-children=yes '--trace-children-skip=*wineserver*,*wine64*'
         "--log-file=$callgrind/valgrind.%p.log" "--callgrind-out-file=$callgrind/callgrind.%p"
         wine tick_bench.exe "$TICKS")
say "\$ ${counted[*]}"
(cd "$build" && "${counted[@]}" > "$callgrind/tick_bench.txt" 2>&1)
for dump in "$callgrind"/callgrind.*.*; do
  part=$(sed -n 's/^desc: Trigger: Client Request: //p' "$dump")
  instructions=$(sed -n 's/^summary: //p' "$dump")
  [ -n "$part" ] && say "instructions $part: $instructions for $TICKS ticks, $((instructions / TICKS)) per tick"
done

say ""
say "# Private memory of the running program"
(cd "$build" && run zbw_wine footprint_bench.exe zhongbaiwu.exe "$SOAK_TICKS")

echo "Written to $report"
