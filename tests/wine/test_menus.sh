# Popup menus of macros opened by hot keys on the X display: the member a
# key chooses plays into Notepad, Escape plays nothing, a member that is a
# menu opens that menu, and the system hot key of the top-window menu lists
# Notepad's Window-scoped macros and plays the chosen one into it.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT

none=30000
members=""
for i in $(seq 12); do                                   # 5 .. 16: member i is macro 4 + i
    add_macro "member $i" $none "m$i "
    members="$members${members:+,}$((4 + i))"
done
add_macro "Twelve" 156 "" "menu=$members"                # 17: Ctrl+Alt+M
add_macro "inner" $none "inner "                         # 18
add_macro "Inner" $none "" "menu=18"                     # 19
add_macro "Outer" 148 "" "menu=19,5"                     # 20: Ctrl+Alt+E
add_macro "window" $none "window " 2 "notepad"           # 21: Window "notepad"
add_macro "elsewhere" $none "never " 2 "Calculator"      # 22

start_program
wait_for_trace "hooks installed"
start_notepad

notepad_is() {  # notepad_is <expected text>
    printf '%s' "$1" >"$PROGRAM_DIR/expected.txt"
    wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/expected.txt" \
        || fail "Notepad holds \"$(cat "$PROGRAM_DIR/expected.txt.got")\", expected \"$1\""
}
# Presses the hot key $1 with Notepad in front, then the keys $2 in the menu.
choose() {
    focus_window "$NOTEPAD" "Untitled - Notepad"
    xdotool key "$1"
    wait_for_windows "Choose A Macro" || fail "no menu after $1"
    focus_window "$(xdotool search --name "Choose A Macro" | head -n 1)" "Choose A Macro"
    xdotool key "$2"
}
menu_closed() {
    wait_for_windows "Choose A Macro" 0 || fail "the menu is still open"
}

choose ctrl+alt+m 5
wait_for_trace "hot key played macro 10"
notepad_is "m6 "

choose ctrl+alt+m b
wait_for_trace "hot key played macro 16"
notepad_is "m6 m12 "

choose ctrl+alt+m Escape
menu_closed
sleep 1
notepad_is "m6 m12 "

choose ctrl+alt+e 0                                      # Outer: member 1 is the menu Inner
wait_for_windows "Choose A Macro" || fail "the inner menu did not open"
focus_window "$(xdotool search --name "Choose A Macro" | head -n 1)" "Choose A Macro"
xdotool key 0
wait_for_trace "hot key played macro 18"
notepad_is "m6 m12 inner "

choose ctrl+alt+shift+z Return                           # system macro 4: the top window's menu
wait_for_trace "top window menu of 1"
wait_for_trace "hot key played macro 21"
notepad_is "m6 m12 inner window "
menu_closed
run_probe window_tool.exe close "Untitled - Notepad"
