#!/usr/bin/env bash
# "运行程序": the path typed into the path box, the set time chosen in the lists a few seconds
# ahead, "设定" pressed. At the set second the program given by the path runs, once, and the
# program goes on running.
source "$(dirname "$0")/driver.sh"
e2e_begin run_program "$1"
# The program to run marks each start with a line in marker.txt beside itself.
mkdir -p "$WINEPREFIX/drive_c/e2e"
cp "$build_dir/marker_writer.exe" "$WINEPREFIX/drive_c/e2e/"
marker="$WINEPREFIX/drive_c/e2e/marker.txt"
path='C:\e2e\marker_writer.exe'
start_program

click_control "$RUN_PROGRAM"
path_box_enabled() { read_window "$PROGRAM_TITLE" && [ "$(control_field "$PATH_BOX" 9)" = 1 ]; }
wait_for "the path box to be enabled" 5 path_box_enabled
click_control "$PATH_BOX"
xdotool type --delay 10 "$path"
path_typed() { [ "$(main_text "$PATH_BOX")" = "$path" ]; }
wait_for "the path box to read $path" 5 path_typed

arm_ahead 12 "执行 $path"
[ ! -e "$marker" ] || fail "the program ran before the set time"

marker_written() { [ -s "$marker" ]; }
wait_for "the program to run at the set time" 20 marker_written
ran_ms=$(now_ms)
after=$((ran_ms - armed_ms))
((after >= 0)) || fail "the program ran $((-after)) ms before the set second"
((after < 3000)) || fail "the program ran $after ms after the set second began"

# Once: the display moves two seconds past the set time without another start.
armed_second=$(host_second_of_day $((armed_ms / 1000)))
moved_on() {
    local shown
    shown=$(shown_second_of_day) && (($(day_difference "$shown" "$armed_second") >= 2))
}
wait_for "the clock to move past the set time" 5 moved_on
starts=$(grep -c started "$marker")
[ "$starts" -eq 1 ] || fail "the program ran $starts times"
program_running && main_window_shown || fail "the program did not keep running"
note "passed: the program ran once, $after ms into the set second"
