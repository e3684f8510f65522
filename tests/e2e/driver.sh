# Sourced by the end-to-end scenarios: runs the program as a person meets it and acts on it only
# from outside. Each scenario gets a Wine prefix and an X display of its own, so that a forced
# shutdown in one never reaches another; input is real mouse and keyboard input through the X
# server (xdotool); what the program shows is read with window_texts.exe (titles and WM_GETTEXT of
# the controls) and from screenshots.
#
#   source driver.sh; e2e_begin NAME BUILD_DIR
#
# Every wait polls a condition with a time limit; a scenario fails with a screenshot of the screen.
set -euo pipefail
e2e_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$e2e_dir/../../tools/wine-env.sh"

readonly SCREEN_WIDTH=1024 SCREEN_HEIGHT=768
readonly PROGRAM_TITLE="钟摆屋" MESSAGE_TITLE="信息："

# The controls of the main window, by their place in its client area.
readonly HOUR_SHOWN="152 12" MINUTE_SHOWN="205 11" SECOND_SHOWN="256 11"
readonly HOUR_LIST="137 48" MINUTE_LIST="191 48" SECOND_LIST="245 48"
readonly SHUT_DOWN="89 80" RESTART="136 80" RUN_PROGRAM="183 80" SET_BUTTON="259 80"
readonly PATH_BOX="26 131" CONFIRMATION="30 160"

# Colours of the program's icon as the screen shows it: the tile and the clock face.
readonly ICON_TILE="#1E78D2" ICON_FACE="#FF8C1A"

note() { echo "[$(date +%H:%M:%S.%3N)] $*"; }

fail() {
    echo "FAILED: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        import -window root "$work/failure.png" 2>/dev/null &&
            echo "screen at the failure: $work/failure.png" >&2
    fi
    exit 1
}

now_ms() { date +%s%3N; }

# wait_for DESCRIPTION SECONDS COMMAND...: polls COMMAND until it succeeds.
wait_for() {
    local what=$1 limit_ms=$(($2 * 1000)) started
    shift 2
    started=$(now_ms)
    until "$@"; do
        if (($(now_ms) - started > limit_ms)); then
            fail "$what (waited $((limit_ms / 1000)) s)"
        fi
        sleep 0.05
    done
}

# A copy of the build's prefix: the large folders of system files are hard links, which nothing
# writes; the registry, the profile and the rest are copied.
copy_prefix() {
    local from=$1 to=$2 windows=drive_c/windows
    mkdir -p "$to"
    tar -C "$from" --exclude="./$windows/system32" --exclude="./$windows/syswow64" \
        --exclude="./$windows/winsxs" -cf - . | tar -C "$to" -xf -
    cp -al "$from/$windows/system32" "$from/$windows/syswow64" "$from/$windows/winsxs" \
        "$to/$windows/"
}

start_display() {
    local number_file=$work/display-number
    : >"$number_file"
    Xvfb -displayfd 3 -screen 0 "${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24" -nolisten tcp \
        3>"$number_file" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    display_ready() { grep -q '^[0-9]' "$number_file"; }
    wait_for "the X display to start" 10 display_ready
    export DISPLAY=":$(head -n1 "$number_file")"
}

e2e_end() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
        rm -rf "$WINEPREFIX"
    fi
    if [ -n "${xvfb_pid:-}" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}

# e2e_begin NAME BUILD_DIR: a work folder, a prefix and a display of the scenario's own.
e2e_begin() {
    local name=$1 shared_prefix
    build_dir=$(cd "$2" && pwd)
    work="$build_dir/e2e/$name"
    shared_prefix=$(realpath "$WINEPREFIX")
    [ -d "$shared_prefix/drive_c" ] || fail "no Wine prefix at $shared_prefix: run make prefix"
    rm -rf "$work"
    mkdir -p "$work"
    export WINEPREFIX="$work/prefix"
    trap e2e_end EXIT
    trap 'exit 1' INT TERM # so that a scenario stopped from outside still cleans up
    copy_prefix "$shared_prefix" "$WINEPREFIX"
    start_display
    note "$name: prefix $WINEPREFIX, display $DISPLAY"
}

windows_exe() { zbw_wine "$build_dir/$1" "${@:2}"; }

# Starts the program as a double click would, and waits for its window to be shown and active.
start_program() {
    env LC_ALL=zh_CN.UTF-8 wine "$build_dir/zhongbaiwu.exe" >"$work/program.log" 2>&1 &
    program_pid=$!
    program_started_ms=$(now_ms)
    wait_for "the window titled $PROGRAM_TITLE to appear, active" 30 main_window_active
    note "the window appeared after $(($(now_ms) - program_started_ms)) ms"
}

# Keeps the virtual desktop, and so its notification area, on the screen after the program ends.
keep_desktop() {
    windows_exe desktop_keeper.exe >/dev/null 2>&1 &
    keeper_up() { read_window "desktop keeper"; }
    wait_for "the desktop keeper to start" 10 keeper_up
}

program_running() { kill -0 "$program_pid" 2>/dev/null; }
program_ended() { ! program_running; }

# read_window TITLE: what window_texts.exe reports of the windows with that title (false when
# there is none), kept in $report; the last report on the main window is kept in $main_report too.
read_window() {
    report=$(windows_exe window_texts.exe "$1" 2>/dev/null) || return 1
    if [ "$1" = "$PROGRAM_TITLE" ]; then main_report=$report; fi
}

# window_field N: field N of the first window line (2 left, 3 top, 4 right, 5 bottom, 6 visible,
# 7 minimised, 8 active, 9 and 10 the middle of the minimise button, 11 title).
window_field() { awk -F'\t' -v n="$1" '$1 == "window" { print $n; exit }' <<<"$report"; }

# control_field "X Y" N: field N of the control at that place (4 screen x, 5 screen y, 6 width,
# 7 height, 8 class, 9 enabled, 10 checked, 11 dropped, 12 focused, 13 text).
control_field() {
    local place=($1)
    awk -F'\t' -v x="${place[0]}" -v y="${place[1]}" -v n="$2" \
        '$1 == "control" && $2 == x && $3 == y { print $n; exit }' <<<"$report"
}

main_window_shown() { read_window "$PROGRAM_TITLE" && [ "$(window_field 6)" = 1 ]; }
main_window_active() { main_window_shown && [ "$(window_field 8)" = 1 ]; }

# The text a control of the main window shows now.
main_text() { read_window "$PROGRAM_TITLE" && control_field "$1" 13; }

# Clicks the middle of a control of the main window, where the last look at it showed it.
click_control() {
    local report=$main_report x y
    [ -n "$(control_field "$1" 4)" ] || fail "no control at $1 to click on"
    x=$(($(control_field "$1" 4) + $(control_field "$1" 6) / 2))
    y=$(($(control_field "$1" 5) + $(control_field "$1" 7) / 2))
    xdotool mousemove "$x" "$y" click 1
}

# The time of day the clock labels show, in seconds; false while they show none.
shown_second_of_day() {
    read_window "$PROGRAM_TITLE" || return 1
    local h m s
    h=$(control_field "$HOUR_SHOWN" 13)
    m=$(control_field "$MINUTE_SHOWN" 13)
    s=$(control_field "$SECOND_SHOWN" 13)
    [[ "$h" =~ ^[0-9]+$ && "$m" =~ ^[0-9]+$ && "$s" =~ ^[0-9]+$ ]] || return 1
    echo $((h * 3600 + m * 60 + s))
}

# The host's time of day in seconds, which Wine's local time follows.
host_second_of_day() {
    local epoch=${1:-$(date +%s)}
    echo $((10#$(date -d "@$epoch" +%H) * 3600 + 10#$(date -d "@$epoch" +%M) * 60 + \
        10#$(date -d "@$epoch" +%S)))
}

# How far the time of day A lies after B, across midnight: -43200 to 43199.
day_difference() { echo $(((($1 - $2) % 86400 + 86400 + 43200) % 86400 - 43200)); }

# choose_list_entry LIST VALUE: opens a set-time list with the mouse and picks the entry with the
# keyboard (Home, Down VALUE times, Enter), as a person may.
choose_list_entry() {
    local list=$1 value=$2 keys=(Home) i
    list_dropped() { read_window "$PROGRAM_TITLE" && [ "$(control_field "$list" 11)" = 1 ]; }
    list_shows() {
        read_window "$PROGRAM_TITLE" && [ "$(control_field "$list" 11)" = 0 ] &&
            [ "$(control_field "$list" 13)" = "$value" ]
    }
    click_control "$list"
    wait_for "the list at $list to open" 5 list_dropped
    for ((i = 0; i < value; i++)); do keys+=(Down); done
    xdotool key --delay 5 "${keys[@]}" Return
    wait_for "the list at $list to show $value" 5 list_shows
}

# arm_ahead SECONDS ACTION_TEXT: sets the lists to a time SECONDS ahead, presses "设定" and checks
# the confirmation, which ends in ACTION_TEXT. Sets $armed_ms, the start of the set second, which
# must still lie ahead once the confirmation shows: the trigger looks at the set time only from
# the press on.
arm_ahead() {
    local lead=$1 ending=$2 target h m s expected
    target=$(($(date +%s) + lead))
    h=$((10#$(date -d "@$target" +%H)))
    m=$((10#$(date -d "@$target" +%M)))
    s=$((10#$(date -d "@$target" +%S)))
    choose_list_entry "$HOUR_LIST" "$h"
    choose_list_entry "$MINUTE_LIST" "$m"
    choose_list_entry "$SECOND_LIST" "$s"
    click_control "$SET_BUTTON"
    expected="设定成功！您的电脑将在 ${h}时${m}分${s}秒${ending}"
    confirmation_reads() { [ "$(main_text "$CONFIRMATION")" = "$expected" ]; }
    wait_for "the confirmation to read: $expected" 5 confirmation_reads
    armed_ms=$((target * 1000))
    (($(now_ms) < armed_ms - 1000)) ||
        fail "arming took more than the $lead s lead: the set time $h:$m:$s had come"
    note "armed for $h:$m:$s: $expected"
}

# The screen as it is now, saved under the work folder; echoes the file.
screenshot() {
    local file="$work/$1.png"
    import -window root "$file"
    echo "$file"
}

# Finds the program's icon in the notification area, at the bottom right of the screen, by its
# colours in a screenshot; sets $icon_x and $icon_y to its middle. False when it shows none.
notification_icon_shown() {
    local width=240 height=32 left top place
    left=$((SCREEN_WIDTH - width)) top=$((SCREEN_HEIGHT - height))
    place=$(convert "$(screenshot notification-area)" -crop "${width}x${height}+$left+$top" \
        +repage txt:- | awk -v left=$left -v top=$top -v tile=$ICON_TILE -v face=$ICON_FACE '
            toupper($3) == tile || toupper($3) == face {
                split($1, at, /[,:]/)
                x += at[1]; y += at[2]; n++
            }
            END { if (n >= 100) print left + int(x / n), top + int(y / n); else exit 1 }') ||
        return 1
    read -r icon_x icon_y <<<"$place"
}

# Minimises the main window with the title bar's button and waits until it has gone into the
# notification area: hidden, and the icon there.
minimise_to_tray() {
    read_window "$PROGRAM_TITLE" || fail "no window titled $PROGRAM_TITLE to minimise"
    [ "$(window_field 9)" -ge 0 ] || fail "the window shows no minimise button"
    xdotool mousemove "$(window_field 9)" "$(window_field 10)" click 1
    window_hidden() { read_window "$PROGRAM_TITLE" && [ "$(window_field 6)" = 0 ]; }
    wait_for "the window to disappear" 5 window_hidden
    wait_for "the icon to appear in the notification area" 5 notification_icon_shown
}

notification_icon_gone() { ! notification_icon_shown; }
