#!/usr/bin/env bash
# Starts the program in a Wine virtual desktop. On a machine without a display it runs on a virtual
# one instead, saves a screenshot of the desktop to build/screenshot.png and ends the program.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
program="$repo_root/build/win32/zhongbaiwu.exe"

if [ -z "${ZBW_HEADLESS:-}" ]; then
  if [ -n "${DISPLAY:-}" ]; then
    exec env LC_ALL=zh_CN.UTF-8 wine explorer /desktop=zhongbaiwu,1024x768 "$program"
  fi
  exec env ZBW_HEADLESS=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
screenshot="$repo_root/build/screenshot.png"
zbw_wine explorer /desktop=zhongbaiwu,1024x768 "$program" &
sleep 5 # the window has long been shown by then; this is a picture, not a test
import -window root "$screenshot"
wineserver -k
echo "No display here: the program ran on a virtual one. Screenshot: $screenshot"
