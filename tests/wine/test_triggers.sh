# Triggers that are not hot keys, for real: a Quillet typed in Notepad is
# erased and replaced by its macro (default mode, then "Use Suffix" mode); a
# macro timed every minute plays within the minute; a Window Title macro
# plays when its window comes to the front, and again only when it comes
# back.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe tests/wine/key_target.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT

add_macro "quillet" 20000 "Sincerely" 1 "" 1 1 quillet=sy3                 # 5
add_macro "timed" 10000 "" 1 "" 1 1 sched=6 minutes=1                      # 6: every minute
add_macro "title" 25000 "" 1 "Key Target"                                  # 7: Window Title

settings() {  # the settings file of the next start
    find "$WINDOWS_DIR" -maxdepth 1 -iname kelda.ini -delete
    printf '[Scheduler]\r\nTimer Seconds=1\r\n[Quillets]\r\nUse Suffix=%s\r\n' "$1" \
        >"$WINDOWS_DIR/KELDA.INI"
}
notepad_is() {
    printf '%s' "$1" >"$PROGRAM_DIR/expected.txt"
    wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/expected.txt" \
        || fail "Notepad holds \"$(cat "$PROGRAM_DIR/expected.txt.got")\", expected \"$1\""
}

settings No
start_program
wait_for_trace "hooks installed"
started=$(date +%s)
start_notepad
notepad=$NOTEPAD
sleep 0.5  # the library empties its typing when it sees the window change
xdotool type --delay 120 "Xsy3"
notepad_is "XSincerely"

# The Window Title macro: once per arrival of its window.
wine "$PROGRAM_DIR/key_target.exe" 100 >"$PROGRAM_DIR/keys.log" 2>&1 &
STARTED+=($!)
target=$(xdotool search --sync --name "Key Target" | head -n 1)
focus_window "$target" "Key Target"
wait_for_trace "window title macro 7"
sleep 2
[ "$(tr -d '\r' <"$TRACE" | grep -c "window title macro 7")" = 1 ] \
    || fail "the Window Title macro played again while its window stayed in front"
focus_window "$notepad" "Untitled - Notepad"
sleep 1  # the library looks at the window in front four times a second under Wine
focus_window "$target" "Key Target"
for _ in $(seq 50); do
    [ "$(tr -d '\r' <"$TRACE" | grep -c "window title macro 7")" = 2 ] && break
    sleep 0.2
done
[ "$(tr -d '\r' <"$TRACE" | grep -c "window title macro 7")" = 2 ] \
    || fail "the Window Title macro did not play when its window came back"

# The timed macro: within a minute of the start (plus the check interval).
wait_for_trace "timed macro 6" $((75 - ($(date +%s) - started)))

run_probe window_tool.exe close "Tavrin 99"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end"

# "Use Suffix": the Quillet and the space that ends it are erased.
settings Yes
rm -f "$TRACE"
start_program
wait_for_trace "hooks installed"
focus_window "$notepad" "Untitled - Notepad"
sleep 0.5
xdotool type --delay 120 " sy3 "
notepad_is "XSincerely Sincerely"
