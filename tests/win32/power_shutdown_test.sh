#!/usr/bin/env bash
# Lets a real forced shutdown through under Wine, where it ends every process of the Wine prefix
# and never touches the host. It runs in a fresh copy of the test prefix, never in the shared one,
# and checks that the system ended the probe before the probe's own wait ran out.
set -euo pipefail
probe=$1
source "$(dirname "$0")/../../tools/wine-env.sh"

shared_prefix=$(realpath "$WINEPREFIX")
own_prefix="$shared_prefix-power"
if [ ! -d "$shared_prefix/drive_c" ]; then
  echo "no test prefix at $shared_prefix: run make prefix first" >&2
  exit 1
fi
[ "$(realpath -m "$own_prefix")" != "$shared_prefix" ] || { echo "refusing the shared prefix" >&2; exit 1; }

rm -rf "$own_prefix"
cp -a "$shared_prefix" "$own_prefix"
touch "$own_prefix/drive_c/zbw-power-probe-prefix"
export WINEPREFIX="$own_prefix"
cleanup() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  rm -rf "$own_prefix"
}
trap cleanup EXIT

started=$(date +%s)
set +e
output=$(timeout 60 env LC_ALL=zh_CN.UTF-8 wine "$probe" 2>/dev/null)
status=$?
set -e
output=${output//$'\r'/}
elapsed=$(( $(date +%s) - started ))
echo "probe said: $output; exit status $status after ${elapsed}s"

if [ "$output" != "accepted" ]; then
  echo "FAILED: the shutdown request was not accepted" >&2
  exit 1
fi
if [ "$status" -eq 4 ] || [ "$status" -eq 124 ]; then
  echo "FAILED: the probe was still running after the shutdown request" >&2
  exit 1
fi
echo "passed: the forced shutdown ended the probe"
