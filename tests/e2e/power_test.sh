#!/usr/bin/env bash
# "关机" or "重启" (the second argument: shutdown or restart) armed a few seconds ahead: at the set
# second the system's forced shutdown or restart ends the program, here every process of the
# scenario's own Wine prefix.
source "$(dirname "$0")/driver.sh"
case $2 in
shutdown) choice=$SHUT_DOWN ending=" 关机" ;;
restart) choice=$RESTART ending=" 重启" ;;
*) fail "unknown power action $2" ;;
esac
e2e_begin "$2" "$1"
start_program

click_control "$choice"
chosen() { read_window "$PROGRAM_TITLE" && [ "$(control_field "$choice" 10)" = 1 ]; }
wait_for "the choice to be checked" 5 chosen
arm_ahead 12 "$ending"

wait_for "the $2 to end the program" 20 program_ended
ended_ms=$(now_ms)
after=$((ended_ms - armed_ms))
((after >= 0)) || fail "the program ended $((-after)) ms before the set second"
((after < 3000)) || fail "the program ended $after ms after the set second began"
note "passed: the $2 ended the program $after ms into the set second"
