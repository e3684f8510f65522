#!/usr/bin/env bash
# Esc on the active window ends the program with exit code 0.
source "$(dirname "$0")/driver.sh"
e2e_begin escape "$1"
start_program

xdotool key Escape
wait_for "Esc to end the program" 10 program_ended
code=0
wait "$program_pid" || code=$?
[ "$code" -eq 0 ] || fail "the program ended with exit code $code"
note "passed: Esc ended the program with exit code 0"
