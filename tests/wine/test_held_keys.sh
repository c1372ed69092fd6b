# Played keys against the modifiers held while a macro types, as the key
# target window sees each key: the macro's own "<CTLD>" makes a Ctrl
# combination although the user holds nothing; the Shift the user holds
# through a Shift+F9 hot key shifts none of the macro's letters, and is down
# again for the user's own next key.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe tests/wine/key_target.exe
STARTED=()
trap 'xdotool keyup shift; stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT

add_macro "ctrl" 296 "<CTLD>c<CTLU>"  # 5: F9
add_macro "letters" 308 "ab"          # 6: Shift+F9

start_program
wait_for_trace "hooks installed"
KEYS="$PROGRAM_DIR/keys.log"
wine "$PROGRAM_DIR/key_target.exe" 60 >"$KEYS" 2>&1 &
STARTED+=($!)
target=$(xdotool search --sync --name "Key Target" | head -n 1)
focus_window "$target" "Key Target"

# Waits up to 10 seconds for the target to log the line $1 exactly.
target_got() {
    for _ in $(seq 100); do
        tr -d '\r' <"$KEYS" | grep -qx -- "$1" && return 0
        sleep 0.1
    done
    echo "the target received:"; tr -d '\r' <"$KEYS"
    fail "the target never received \"$1\""
}
refuse() {
    if tr -d '\r' <"$KEYS" | grep -qx -- "$1"; then
        echo "the target received:"; tr -d '\r' <"$KEYS"
        fail "the target received \"$1\""
    fi
}

xdotool key F9
wait_for_trace "hot key played macro 5"
target_got "down 67 ctrl"
target_got "up 17"

xdotool keydown shift
xdotool key F9
wait_for_trace "hot key played macro 6"
target_got "down 65"
target_got "down 66"
xdotool key z
target_got "down 90 shift"
xdotool keyup shift
refuse "down 65 shift"
refuse "down 66 shift"
