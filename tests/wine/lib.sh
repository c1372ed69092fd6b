# Shared helpers of the Wine tests; sourced by each test_*.sh.
# BUILD, HERE, WINEPREFIX and DISPLAY come from run.sh.
set -u

# The program folder inside the prefix: C:\tavrin.
PROGRAM_DIR="$WINEPREFIX/drive_c/tavrin"
WINDOWS_DIR="$WINEPREFIX/drive_c/windows"

fail() {
    echo "FAILED: $*"
    exit 1
}

# Copies the named files of the build into a fresh program folder, with no
# settings file left from an earlier test.
fresh_program_dir() {
    find "$WINDOWS_DIR" -maxdepth 1 -iname kelda.ini -delete
    rm -rf "$PROGRAM_DIR"
    mkdir -p "$PROGRAM_DIR"
    for f in "$@"; do cp "$BUILD/$f" "$PROGRAM_DIR/" || fail "missing $f"; done
}

# Runs a console program of the program folder and waits for it.
run_probe() {
    local exe=$1
    shift
    wine "$PROGRAM_DIR/$exe" "$@"
}

# The settings file in the Windows directory, whatever case Wine gave it.
settings_file() {
    find "$WINDOWS_DIR" -maxdepth 1 -iname kelda.ini | head -n 1
}

# Waits up to $2 seconds (default 20) for a line matching the pattern $1 in
# the program's trace file.
TRACE="$PROGRAM_DIR/trace.txt"
wait_for_trace() {
    local limit=$(( ${2:-20} * 10 ))
    for _ in $(seq "$limit"); do
        [ -f "$TRACE" ] && tr -d '\r' <"$TRACE" | grep -q -- "$1" && return 0
        sleep 0.1
    done
    echo "trace so far:"; [ -f "$TRACE" ] && cat "$TRACE"
    fail "no trace line matching: $1"
}

# Starts the program in the background; its process id is left in PROGRAM_PID.
start_program() {
    TAVRIN_TRACE='C:\tavrin\trace.txt' wine "$PROGRAM_DIR/QORVIL.EXE" "$@" >/dev/null 2>&1 &
    PROGRAM_PID=$!
}

# Waits up to $2 seconds for process $1 to end.
wait_for_exit() {
    for _ in $(seq $(( ${2:-20} * 10 ))); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}

# Ends whatever a test started, by process id.
stop_started() {
    for pid in "$@"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null
    done
    return 0
}

# Gives the X focus to the X window $1 and waits until Wine has made the
# window whose title holds $2 the Windows foreground window (window_tool.exe
# must be in the program folder). The focus leaves for the root window first:
# focusing the window that has the X focus already would change nothing.
focus_window() {
    xdotool windowfocus "$(xwininfo -root | awk '/Window id/ {print $4}')"
    xdotool windowfocus --sync "$1"
    for _ in $(seq 50); do
        run_probe window_tool.exe front | tr -d '\r' | grep -qF -- "$2" && return 0
        sleep 0.1
    done
    fail "\"$2\" is not the foreground window: \"$(run_probe window_tool.exe front)\" is"
}

# Waits up to 10 seconds until $2 (default 1) visible top-level windows have
# a title holding $1 (window_tool.exe must be in the program folder).
wait_for_windows() {
    for _ in $(seq 50); do
        [ "$(run_probe window_tool.exe count "$1" | tr -d '\r')" = "${2:-1}" ] && return 0
        sleep 0.2
    done
    return 1
}

# Waits for the "Edit" text of the window whose title holds $1 to be the
# bytes of the file $2. Keys still queued for the window go on arriving after
# the macro has ended, so this gives up only when the text has not changed
# for $3 seconds (default 5). The last text read is left in "$2.got".
wait_for_text() {
    local stall=${3:-5} unchanged=0 size=-1 now
    while [ "$unchanged" -lt "$stall" ]; do
        run_probe window_tool.exe text "$1" >"$2.got" && cmp -s "$2" "$2.got" && return 0
        now=$(stat -c %s "$2.got")
        if [ "$now" = "$size" ]; then unchanged=$((unchanged + 1)); else unchanged=0; fi
        size=$now
        sleep 1
    done
    return 1
}

# Writes to the file $1 the same 5000-byte text every time: lines of 10 to 79
# letters, digits, spaces and punctuation (no "<", which starts a tag), with
# CR LF between them and none at the end.
long_text() {
    awk 'BEGIN {
        chars = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789" \
                "     .,;:!?-_=+*/\\|@#$%^&~`\"'\''()[]{}>"
        n = length(chars); seed = 1; out = ""
        while (5000 - length(out) > 81) {
            seed = (seed * 75 + 74) % 65537
            len = 10 + seed % 70
            line = ""
            for (i = 0; i < len; i++) {
                seed = (seed * 75 + 74) % 65537
                line = line substr(chars, 1 + seed % n, 1)
            }
            out = out line "\r\n"
        }
        while (length(out) < 5000) {
            seed = (seed * 75 + 74) % 65537
            out = out substr(chars, 1 + seed % 62, 1)
        }
        printf "%s", out
    }' >"$1"
}

# Appends a macro to the test's macro file: add_macro <nickname> <hot key> <text> [...]
add_macro() {
    run_probe store_probe.exe add 'C:\tavrin\KELDA.ZYN' "$@" >/dev/null || fail "cannot add macro $1"
}

# Starts Wine's Notepad (its process id joins STARTED), leaves its X window
# in NOTEPAD and makes it the window in front.
start_notepad() {
    wine notepad >/dev/null 2>&1 &
    STARTED+=($!)
    NOTEPAD=$(xdotool search --sync --name "Untitled - Notepad" | head -n 1)
    focus_window "$NOTEPAD" "Untitled - Notepad"
}

# open_dialog <dialog name> [kind [tag to edit]]: opens one command dialog
# with dialog_probe.exe (copied into the program folder) in the background;
# dialog_result then waits for it to close and prints its result text.
open_dialog() {
    DIALOG_OUT="$PROGRAM_DIR/dialog_result.txt"
    rm -f "$DIALOG_OUT"
    wine "$PROGRAM_DIR/dialog_probe.exe" "$@" >"$DIALOG_OUT" 2>/dev/null &
    DIALOG_PID=$!
}

dialog_result() {
    wait_for_exit "$DIALOG_PID" 10 || fail "the dialog did not close"
    tr -d '\r' <"$DIALOG_OUT" | sed -n 's/^result: //p'
}
