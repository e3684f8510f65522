#!/usr/bin/env bash
# "设定" before an action is chosen: a box titled "信息：" asks for one, Enter closes it, and
# nothing is armed.
source "$(dirname "$0")/driver.sh"
e2e_begin no_action "$1"
start_program

click_control "$SET_BUTTON"
message_shown() { read_window "$MESSAGE_TITLE"; }
wait_for "a box titled $MESSAGE_TITLE" 5 message_shown
grep -qP '^control\t.*\tStatic\t.*\t请选择要执行的命令！$' <<<"$report" ||
    fail "the box does not ask for a command: $report"

xdotool key Return
message_gone() { ! read_window "$MESSAGE_TITLE"; }
wait_for "the box to close on Enter" 5 message_gone
[ -z "$(main_text "$CONFIRMATION")" ] || fail "something was armed: $(main_text "$CONFIRMATION")"
program_running || fail "the program ended"
note "passed: the box asked for a command and closed on Enter; nothing armed"
