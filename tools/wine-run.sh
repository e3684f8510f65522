#!/usr/bin/env bash
# Runs a Windows program in the build's Wine prefix; CTest uses it as the emulator.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
zbw_wine "$@"
