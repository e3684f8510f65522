#!/usr/bin/env bash
# The executable as Windows and Explorer see it, without running it: the version texts, the
# program's own icon as the application icon, and a manifest that asks for no elevation.
#   release_test.sh BUILD_DIR VERSION
set -euo pipefail
source "$(dirname "$0")/../../tools/wine-env.sh"
build_dir=$1 version=$2
facts=$(zbw_wine "$build_dir/release_facts.exe" "$build_dir/zhongbaiwu.exe" 2>/dev/null | tr -d '\r')
echo "$facts"
fact() { awk -F'\t' -v key="$1" '$1 == key { print $2 }' <<<"$facts"; }
failed=0
expect() {
    if [ "$(fact "$1")" != "$2" ]; then
        echo "FAILED: $1 is \"$(fact "$1")\", not \"$2\"" >&2
        failed=1
    fi
}
expect product "钟摆屋"
expect description "钟摆屋：定时关机、重启或运行程序"
expect version "$version"
expect file-version "$version.0"
expect program-icon 1
expect level asInvoker
[ "$(fact icons)" -ge 1 ] || { echo "FAILED: Explorer finds no icon" >&2; failed=1; }
exit $failed
