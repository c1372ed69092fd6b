# The main window as a user meets it: a macro file with every activation
# and scope kind is listed in the order of the sort keys, read from the real
# list view; right clicks on the column titles sort and are saved; typing
# searches the activation texts; the lettered buttons follow the selected
# macro; Quick Info tells a hot key and a timed macro; "&Place On Desktop"
# makes a desktop link that plays its macro into Notepad; with "/S" the
# tray icon "Tavrin 99" is shown. A column the user widens keeps its width.
# In Browse Mode the buttons that change the macro file rest. The Quick
# Wizard buttons say their wizards come later.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/window_tool.exe \
    tests/wine/store_probe.exe tests/wine/ui_reader.exe
add_macro "Zulu" 0 "zulu"
add_macro "Alpha" 48 "alpha" 2 "Notepad"
add_macro "Mike" 144 "mike" 3 "NOTEPAD.EXE" 0 0
add_macro "Quill" 20000 "quill" quillet=sig
add_macro "Tick" 10000 "tick" sched=2 minutes=30
add_macro "Say/Hi" 30000 "<ACTIVATE:Untitled - Notepad>hello from a link"
add_macro "Watcher" 25000 "watch" 1 "Calculator"
add_macro "   " 30000 "blank"
add_macro "Menu" 288 "" 4
printf '[Main Window]\r\nUse Speed=No\r\nWidth=900\r\n' >"$WINDOWS_DIR/KELDA.INI"
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT
main="Tavrin 99 (KELDA)"

# The list's rows as "activation|nickname|scope", row numbers left out.
rows() { run_probe ui_reader.exe rows "$main" | tr -d '\r' | cut -d'|' -f2-; }
expect_rows() {
    local want got
    want=$(printf '%s\n' "$@")
    got=$(rows)
    [ "$got" = "$want" ] || fail "rows for $sort:
$got
expected:
$want"
}
# click <button> <x y>: a mouse click at that point of the screen.
click() { xdotool mousemove $2 $3 click "$1"; sleep 0.5; }
title_click() { click 3 $(run_probe ui_reader.exe title "$main" "$1" | tr -d '\r'); }
row_click() { click "$1" $(run_probe ui_reader.exe row "$main" "$2" | tr -d '\r'); }
selected() { run_probe ui_reader.exe selected "$main" | tr -d '\r'; }
selected_text() { rows | sed -n "$(selected)p"; }
button() { run_probe ui_reader.exe button "$main" "$1" | tr -d '\r'; }

start_program
wait_for_trace "hooks installed"
window=$(xdotool search --sync --name "Tavrin 99 \(KELDA\)" | head -n 1)
focus_window "$window" "$main"

sort=123
expect_rows "Alt+A|Alpha|Window: Notepad" "Ctrl+A|Zulu|GLOBAL" \
    "Ctrl+Alt+A|Mike|Program: NOTEPAD.EXE" \
    "Ctrl+Alt+Shift+W|Activate Tavrin|SYSTEM" "Ctrl+Alt+Shift+X|Start / Stop Capture|SYSTEM" \
    "Ctrl+Alt+Shift+Y|Resume Pause|SYSTEM" \
    "Ctrl+Alt+Shift+Z|Menu of Macros for Top Most Window|SYSTEM" "F1|Menu|Popup Menu" \
    "sig|Quill|GLOBAL" "Timed Macro|Tick|GLOBAL" "None|   |GLOBAL" "None|Say/Hi|GLOBAL" \
    "Window Title|Watcher|GLOBAL"

# A right click on "Nickname" sorts by nickname; the selected macro stays.
row_click 1 2
[ "$(selected_text)" = "Ctrl+A|Zulu|GLOBAL" ] || fail "a click did not select row 2"
sort=213
title_click 3
wait_for_trace "sorted 213"
expect_rows "None|   |GLOBAL" "Ctrl+Alt+Shift+W|Activate Tavrin|SYSTEM" \
    "Alt+A|Alpha|Window: Notepad" "Ctrl+Alt+Shift+Z|Menu of Macros for Top Most Window|SYSTEM" \
    "F1|Menu|Popup Menu" \
    "Ctrl+Alt+A|Mike|Program: NOTEPAD.EXE" "sig|Quill|GLOBAL" \
    "Ctrl+Alt+Shift+Y|Resume Pause|SYSTEM" "None|Say/Hi|GLOBAL" \
    "Ctrl+Alt+Shift+X|Start / Stop Capture|SYSTEM" "Timed Macro|Tick|GLOBAL" \
    "Window Title|Watcher|GLOBAL" "Ctrl+A|Zulu|GLOBAL"
[ "$(selected_text)" = "Ctrl+A|Zulu|GLOBAL" ] || fail "the selection left Zulu: $(selected_text)"
sort=321
title_click 4
wait_for_trace "sorted 321"
expect_rows "None|   |GLOBAL" "sig|Quill|GLOBAL" "None|Say/Hi|GLOBAL" "Timed Macro|Tick|GLOBAL" \
    "Window Title|Watcher|GLOBAL" "Ctrl+A|Zulu|GLOBAL" "Alt+A|Alpha|Window: Notepad" \
    "Ctrl+Alt+A|Mike|Program: NOTEPAD.EXE" "F1|Menu|Popup Menu" \
    "Ctrl+Alt+Shift+W|Activate Tavrin|SYSTEM" \
    "Ctrl+Alt+Shift+Z|Menu of Macros for Top Most Window|SYSTEM" \
    "Ctrl+Alt+Shift+Y|Resume Pause|SYSTEM" "Ctrl+Alt+Shift+X|Start / Stop Capture|SYSTEM"
# Back to "Nickname"; a second click there changes nothing.
title_click 3
wait_for_trace "sorted 213"
title_click 3
sleep 0.5
[ "$(tr -d '\r' <"$TRACE" | grep -c '^sorted 213')" = 2 ] || fail "the second click sorted again"

# Search by typing: "ct" finds the first activation text beginning with CT;
# Backspace takes letters off, Esc empties the search.
row_click 1 1
xdotool type --delay 150 ct
[ "$(selected_text | cut -c1-4)" = "Ctrl" ] || fail "\"ct\" selected: $(selected_text)"
xdotool key BackSpace BackSpace
sleep 0.3
xdotool type t
sleep 0.3
[ "$(selected_text | cut -d'|' -f1)" = "Timed Macro" ] || fail "after Backspace \"t\" selected: $(selected_text)"
xdotool key Escape
xdotool type n
sleep 0.3
[ "$(selected_text | cut -d'|' -f1)" = "None" ] || fail "after Esc \"n\" selected: $(selected_text)"
xdotool type --delay 150 zz
sleep 0.3
[ "$(selected_text | cut -d'|' -f1)" = "None" ] || fail "a search that finds nothing moved the selection"

# The buttons follow the selection: Mike is inactive, the system macros
# cannot be removed or copied.
row_click 1 6
[ "$(selected_text | cut -d'|' -f2)" = "Mike" ] || fail "row 6 is $(selected_text)"
[ "$(button 'Acti&vate Macro')" = 1 ] || fail "an inactive macro does not caption \"Acti&vate Macro\""
# Alt and a lettered button's letter press it.
xdotool key alt+v
sleep 0.5
[ "$(button 'Deacti&vate Macro')" = 1 ] || fail "Alt+V did not activate Mike"
xdotool key alt+v
sleep 0.5
[ "$(button 'Acti&vate Macro')" = 1 ] || fail "Alt+V did not deactivate Mike again"
row_click 1 13
[ "$(button 'Deacti&vate Macro')" = 1 ] || fail "an active macro does not caption \"Deacti&vate Macro\""
row_click 1 2
[ "$(selected_text | cut -d'|' -f3)" = SYSTEM ] || fail "row 2 is $(selected_text)"
[ "$(button 'R&emove Macro')" = 0 ] || fail "a system macro can be removed"
[ "$(button 'Cop&y Macro')" = 0 ] || fail "a system macro can be copied"
# A click below the rows keeps the selection.
last=$(rows | wc -l)
below=($(run_probe ui_reader.exe row "$main" "$last" | tr -d '\r'))
click 1 "${below[0]}" $(( below[1] + 40 ))
[ "$(selected)" = 2 ] || fail "a click below the rows left row \"$(selected)\" selected"

# Quick Info: a right click on a row.
quick_info() {
    row_click 3 "$1"
    wait_for_windows "Quick Info" || fail "no Quick Info for row $1"
    run_probe ui_reader.exe texts "Quick Info" | tr -d '\r' >"$PROGRAM_DIR/info.txt"
    run_probe window_tool.exe press "Quick Info" "&Ok"
    wait_for_windows "Quick Info" 0 || fail "Quick Info did not close"
}
quick_info 13
for line in "Hot Key:" "Ctrl+A" "NickName:" "Zulu" "Scope:" "GLOBAL" "Active:" "Yes" \
    "Macro Text:" "zulu"; do
    grep -qxF -- "$line" "$PROGRAM_DIR/info.txt" || fail "Quick Info of Zulu lacks \"$line\": $(cat "$PROGRAM_DIR/info.txt")"
done
# store_probe stamps the macros it adds with the time they were added.
grep -qE "^Last Modified On .*$(date +%Y)\$" "$PROGRAM_DIR/info.txt" \
    || fail "Quick Info has not this year's date: $(grep Modified "$PROGRAM_DIR/info.txt")"
quick_info 11
grep -qxF "Timed Macro:" "$PROGRAM_DIR/info.txt" || fail "Quick Info of Tick: $(cat "$PROGRAM_DIR/info.txt")"
grep -A1 -xF "Timed Macro:" "$PROGRAM_DIR/info.txt" | tail -n 1 | grep -q . \
    || fail "Quick Info of Tick has no schedule"

# Dragging the edge of "Nickname" 40 pixels to the right widens it, and its
# width goes to "Col 2 Width".
read -r x y < <(run_probe ui_reader.exe edge "$main" 3 | tr -d '\r')
xdotool mousemove "$x" "$y" mousedown 1 mousemove $((x + 20)) "$y" mousemove $((x + 40)) "$y" \
    mouseup 1
sleep 0.5
widths=$(run_probe window_tool.exe columns "$main" | tr -d '\r')
nickname_width=$(cut -d' ' -f4 <<<"$widths")
[ "$nickname_width" -gt 239 ] || fail "the drag left the columns $widths"

# "&Place On Desktop": refused for a nickname of spaces; for "Say/Hi" a
# link "Say_Hi.LNK" that plays the macro, which brings Notepad to the front
# (whatever the start of the link left there) and types into it.
row_click 1 1
[ "$(selected_text | cut -d'|' -f2)" = "   " ] || fail "row 1 is $(selected_text)"
focus_window "$window" "$main"
xdotool key alt+m
sleep 0.5
xdotool key p
wait_for_windows "Error" || fail "a nickname of spaces was not refused"
run_probe window_tool.exe press "Error" "OK"
wait_for_windows "Error" 0 || fail "the refusal stays"
# A desktop folder that cannot take the link: the failure is told, not
# "DeskTop Icon Added.".
folders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
desktop=$(wine reg query "$folders" /v Desktop | tr -d '\r' | awk '/REG_SZ/ {sub(/.*REG_SZ[ \t]*/, ""); print}')
wine reg add "$folders" /v Desktop /t REG_SZ /d 'C:\nosuch\Desktop' /f >/dev/null 2>&1
row_click 1 13
focus_window "$window" "$main"
xdotool key alt+m
sleep 0.5
xdotool key p
wait_for_windows "Error" || fail "a link that cannot be saved was not reported"
run_probe ui_reader.exe texts "Error" | grep -q "could not be saved" || fail "the Error box does not say the link was not saved"
run_probe window_tool.exe press "Error" "OK"
wait_for_windows "Error" 0 || fail "the failure box stays"
wine reg add "$folders" /v Desktop /t REG_SZ /d "$desktop" /f >/dev/null 2>&1
row_click 1 9
[ "$(selected_text | cut -d'|' -f2)" = "Say/Hi" ] || fail "row 9 is $(selected_text)"
focus_window "$window" "$main"
xdotool key alt+m
sleep 0.5
xdotool key p
wait_for_trace "desktop link saved"
# "DeskTop Icon Added." is a box of the program with no title.
box=""
for _ in $(seq 50); do
    box=$(xdotool search --onlyvisible --class qorvil.exe | grep -vx "$window" | head -n 1)
    [ -n "$box" ] && break
    sleep 0.1
done
[ -n "$box" ] || fail "no box after the link was saved"
focus_window "$box" ""
xdotool key Return
link=$(find -L "$WINEPREFIX/drive_c/users" -maxdepth 3 -iname 'Say_Hi.lnk' | head -n 1)
[ -n "$link" ] || fail "no Say_Hi.LNK on the desktop: $(tr -d '\r' <"$TRACE" | grep desktop)"
start_notepad
wine start /unix "$link" >/dev/null 2>&1
printf 'hello from a link' >"$PROGRAM_DIR/want.txt"
wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/want.txt" || fail "the link typed: $(cat "$PROGRAM_DIR/want.txt.got")"

# The "&Quick Wizards" page: its buttons are there and say the wizards are
# not built yet.
focus_window "$window" "$main"
xdotool key alt+q
sleep 0.5
run_probe window_tool.exe press "$main" "Type Text and Keystrokes" || fail "no wizard button"
wait_for_windows "Tavrin 99" 2 || fail "the wizard button said nothing"
run_probe ui_reader.exe texts "Tavrin 99" | grep -q 'Quick Wizard "Type Text and Keystrokes" is not available' \
    || fail "the wizard button's message: $(run_probe ui_reader.exe texts "Tavrin 99")"
run_probe window_tool.exe press "Tavrin 99" "OK"
wait_for_windows "Tavrin 99" 1 || fail "the message stays"

run_probe window_tool.exe close "$main"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end on close"
tr -d '\r' <"$(settings_file)" | grep -qxF "Col 2 Width=$nickname_width" \
    || fail "KELDA.INI lacks Col 2 Width=$nickname_width"
PROGRAM_PID=""
tr -d '\r' <"$(settings_file)" | grep -qxF "Primary Sort=213" || fail "KELDA.INI lacks Primary Sort=213"

# "/S": the tray icon.
rm -f "$TRACE"
start_program /S
wait_for_trace "hooks installed"
wait_for_trace "tray icon shown: Tavrin 99" 5
stop_started "$PROGRAM_PID"
wait_for_exit "$PROGRAM_PID" || fail "the program in the tray did not end"
PROGRAM_PID=""

# "/B": Browse Mode says so in the caption, and the buttons that would change
# the macro file rest.
start_program /B
wait_for_trace "hooks installed"
main="Tavrin 99 (KELDA)    (Browse Mode)"
wait_for_windows "$main" || fail "no \"(Browse Mode)\" in the caption"
for caption in "&Add Macro" "R&emove Macro" "Cop&y Macro" "&Scripting Editor" "Re&name Macro"; do
    [ "$(button "$caption")" = 0 ] || fail "\"$caption\" is enabled in Browse Mode"
done
