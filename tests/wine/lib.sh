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

# Copies the named files of the build into a fresh program folder.
fresh_program_dir() {
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
