#!/usr/bin/env bash
# Makes the README's picture: the program in a Wine virtual desktop of its own, a shutdown armed
# through its own window with the mouse and keyboard, and the window cut out of the screen.
#   screenshot.sh OUTPUT.png
set -euo pipefail
output=$(realpath -m "$1")
source "$(dirname "$0")/../tests/e2e/driver.sh"
e2e_begin screenshot "$repo_root/build/win32"
start_program

click_control "$SHUT_DOWN"
choose_list_entry "$HOUR_LIST" 23
choose_list_entry "$MINUTE_LIST" 30
choose_list_entry "$SECOND_LIST" 0
click_control "$SET_BUTTON"
expected="设定成功！您的电脑将在 23时30分0秒 关机"
confirmation_reads() { [ "$(main_text "$CONFIRMATION")" = "$expected" ]; }
wait_for "the confirmation to read: $expected" 5 confirmation_reads

read_window "$PROGRAM_TITLE"
left=$(window_field 2) top=$(window_field 3) right=$(window_field 4) bottom=$(window_field 5)
convert "$(screenshot screen)" -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
    -strip "$output"
echo "Screenshot of the window: $output"
