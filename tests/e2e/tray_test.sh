#!/usr/bin/env bash
# Minimised with the title bar's button, the window disappears and the program's icon appears in
# the notification area; a click on the icon brings the window back where it was, normal and
# active, and the icon goes.
source "$(dirname "$0")/driver.sh"
e2e_begin tray "$1"
start_program
read_window "$PROGRAM_TITLE"
place="$(window_field 2) $(window_field 3) $(window_field 4) $(window_field 5)"

minimise_to_tray
note "the icon is at $icon_x,$icon_y"
xdotool mousemove "$icon_x" "$icon_y" click 1
restored() {
    main_window_active && [ "$(window_field 7)" = 0 ] &&
        [ "$(window_field 2) $(window_field 3) $(window_field 4) $(window_field 5)" = "$place" ]
}
wait_for "the window to come back at $place, normal and active" 5 restored
wait_for "the icon to leave the notification area" 5 notification_icon_gone
program_running || fail "the program ended"
note "passed: hidden into the notification area and back"
