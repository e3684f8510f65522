#!/usr/bin/env bash
# Start: the window appears centred and active, titled "钟摆屋", and its clock shows the current
# time within two seconds and runs on.
source "$(dirname "$0")/driver.sh"
e2e_begin start "$1"
start_program

read_window "$PROGRAM_TITLE"
left=$(window_field 2) top=$(window_field 3) right=$(window_field 4) bottom=$(window_field 5)
[ "$left" -eq $(((SCREEN_WIDTH - (right - left)) / 2)) ] &&
    [ "$top" -eq $(((SCREEN_HEIGHT - (bottom - top)) / 2)) ] ||
    fail "the window is not centred: $left,$top to $right,$bottom"
[ "$(window_field 7)" = 0 ] || fail "the window is shown minimised"

clock_shown() { first=$(shown_second_of_day); }
wait_for "the clock to show a time" 5 clock_shown
late=$(day_difference "$(host_second_of_day)" "$first")
((late >= 0 && late <= 2)) || fail "the clock shows $first s of the day, $late s off the time"

clock_moved() { later=$(shown_second_of_day) && [ "$later" != "$first" ]; }
wait_for "the clock to advance" 3 clock_moved
step=$(day_difference "$later" "$first")
((step >= 1 && step <= 2)) || fail "the clock went from $first s to $later s of the day"
note "passed: centred at $left,$top, clock at $first s of the day, then $later s"
