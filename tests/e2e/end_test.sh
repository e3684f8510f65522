#!/usr/bin/env bash
# The program ends with exit code 0 and leaves no icon in the notification area, ended either way
# (the second argument):
#   escape         Esc on its active window;
#   close_in_tray  a close request from another program (taskkill without /f) while the window is
#                  hidden in the notification area.
# Wine's notification area also drops the icons of destroyed windows by itself, so the screen
# shows what a person sees, not who removed the icon; the tray tests prove the program's own part.
source "$(dirname "$0")/driver.sh"
e2e_begin "$2" "$1"
start_program
keep_desktop

case $2 in
escape)
    xdotool key Escape
    ;;
close_in_tray)
    minimise_to_tray
    zbw_wine taskkill.exe /im zhongbaiwu.exe >/dev/null 2>&1 || fail "taskkill found no program"
    ;;
*) fail "unknown way to end: $2" ;;
esac
wait_for "the program to end" 10 program_ended
code=0
wait "$program_pid" || code=$?
[ "$code" -eq 0 ] || fail "the program ended with exit code $code"
notification_icon_shown && fail "the icon is still in the notification area"
note "passed: ended by $2 with exit code 0, no icon left"
