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
