#!/bin/bash
# make screens: starts the program under Wine on the private display and
# prefix of the Wine tests, opens every window of the list below as a user
# does, and saves a picture of each as <output folder>/<name>.png.
# Usage: screens.sh <win64 build folder> <output folder>
set -u
BUILD=$(realpath "$1")
OUT=$(realpath -m "$2")
HERE=$(dirname "$(realpath "$0")")
export BUILD HERE
WINE_DECORATED=N  # pictures with the windows' frames and captions
. "$HERE/wine_env.sh"
. "$HERE/lib.sh"

# One line per window: name of its picture | its exact title | how to open it |
# how to close it (and whatever it was opened from), "-" for nothing to do.
# The steps use the functions below; keys are xdotool key names, menu items
# are picked by their & letters. A window that does not open is reported as
# missing and the list goes on. A line starting with "#" is a comment.
WINDOWS='
main-window                     | Tavrin 99 (KELDA) | -                         | -
tray-menu-icons                 | Wine System Tray  | -                         | -
new-file                        | New Tavrin File   | menu f n                  | keys "New Tavrin File" Escape
open-file                       | Open Tavrin File  | menu f o                  | keys "Open Tavrin File" Escape
message-invalid-file-type       | Error             | menu f n; typed "New Tavrin File" notes.txt; keys "New Tavrin File" Return | keys Error Return
message-file-does-not-exist     | Error             | menu f 1                  | keys Error Return
quillet-options                 | Quillet Options   | menu o s                  | keys "Quillet Options" Escape
message-invalid-prefix-keys     | Error             | menu o s; keys "Quillet Options" Tab; typed "Quillet Options" "(" | keys Error Return; keys "Quillet Options" Escape
appearance                      | Appearance        | menu o a                  | keys Appearance Escape
settings                        | Settings          | menu o t                  | keys Settings Escape
message-not-available           | Tavrin 99         | menu o n                  | keys "Tavrin 99" Return
restore-keyboard-hooks-question | Keyboard Hooks    | menu t k                  | keys "Keyboard Hooks" n
restore-mouse-hooks-question    | Mouse Hooks       | menu t m                  | keys "Mouse Hooks" n
notice-no-top-window-macros     | Warning           | keys "Tavrin 99 (KELDA)" ctrl+alt+shift+z | keys Warning Return
pause                           | Pause             | play pause                | press Pause "&Resume"
repeat-prompt                   | Macro Repeat      | play ask                  | typed "Macro Repeat" 1; keys "Macro Repeat" Return
message-invalid-numeric-value   | Error             | play ask; typed "Macro Repeat" x; keys "Macro Repeat" Return | keys Error Return; keys "Macro Repeat" BackSpace 1 Return
text-box                        | Notes             | play notes                | keys Notes Return
notice-repeat-error             | Repeat Error      | play unended              | keys "Repeat Error" Return
notice-launch-error             | Launch Error      | play launcher             | keys "Launch Error" Return
video-clip-player               | Video Clip Player | play clip                 | keys "Video Clip Player" Escape
choose-a-macro                  | Choose A Macro    | keys "Tavrin 99 (KELDA)" ctrl+alt+m | keys "Choose A Macro" Escape
choose-a-macro-two-lists        | Choose A Macro    | keys "Tavrin 99 (KELDA)" ctrl+alt+e | keys "Choose A Macro" Escape
choose-a-macro-icons            | Choose A Macro    | keys "Tavrin 99 (KELDA)" ctrl+alt+i | keys "Choose A Macro" Escape
remap                           | Keyboard Remapper | menu r                    | keys "Keyboard Remapper" Escape
select-character                | Select Character  | menu r; keys "Keyboard Remapper" alt+l F2 | keys "Select Character" Escape; keys "Keyboard Remapper" Escape
system-hot-keys                 | System Hot Keys   | typed "Tavrin 99 (KELDA)" ctrl+alt+shift+w; menu m m | press "System Hot Keys" "&Cancel"
message-hot-key-in-use          | Error             | typed "Tavrin 99 (KELDA)" ctrl+alt+shift+w; menu m m; keys "System Hot Keys" ctrl+alt+m | keys Error Return; press "System Hot Keys" "&Cancel"
build-macro-menu                | Build Macro Menu  | typed "Tavrin 99 (KELDA)" ctrl+alt+m; menu m d | keys "Build Macro Menu" Escape
message-no-macro-selected       | Error             | typed "Tavrin 99 (KELDA)" ctrl+alt+m; menu m d; keys "Build Macro Menu" alt+a | keys Error Return; keys "Build Macro Menu" Escape
main-window-lettered            | Tavrin 99 (KELDA) | menu o a; keys Appearance alt+l Return; sleep 3 | -
quick-wizards                   | Tavrin 99 (KELDA) | menu o a; keys Appearance alt+s Return; sleep 3; keys "Tavrin 99 (KELDA)" alt+q | -
message-wizard-not-available    | Tavrin 99         | menu w t t                | keys "Tavrin 99" Return; keys "Tavrin 99 (KELDA)" alt+a
sort-order                      | Sort Order        | menu m o                  | keys "Sort Order" Escape
quick-info                      | Quick Info        | menu m q                  | keys "Quick Info" Escape
user-manual-notice              | User Manual Notice | menu h t                 | keys "User Manual Notice" Escape
message-tutorial-missing        | Error             | menu h t; keys "User Manual Notice" Return | keys Error Return
message-help-missing            | Error             | menu h c                  | keys Error Return
message-mouse-locator-missing   | Error             | menu t l                  | keys Error Return
about                           | About Tavrin 99   | menu h a                  | keys "About Tavrin 99" Return
capture-defaults                | Capture Defaults  | menu o c                  | keys "Capture Defaults" Escape
notice-start-capture            | Start Capture     | keys "Tavrin 99 (KELDA)" ctrl+alt+shift+x | keys "Start Capture" Return
tray-recording                  | Wine System Tray  | -                         | -
capture-complete                | Capture Complete  | keys "Tavrin 99 (KELDA)" ctrl+alt+shift+x | keys "Capture Complete" Escape
capture-macro                   | Capture Macro     | typed "Tavrin 99 (KELDA)" f1; menu m c | keys "Capture Macro" Escape
notice-no-screen-mode           | Macro Execution Error | play screenmode       | keys "Macro Execution Error" Return
# Command dialogs: waits, delays, repeats.
cmd-wait-for                    | Wait For          | dialog wait-for           | keys "Wait For" Escape
cmd-wait-for-edit               | Wait For          | dialog wait-for 5 "<WAITTXTY:000:Done>" | keys "Wait For" Escape
cmd-wait-for-clicks             | Wait For          | dialog wait-for 6         | keys "Wait For" Escape
cmd-set-delay                   | Set Delay         | dialog set-delay          | keys "Set Delay" Escape
cmd-set-delay-edit              | Set Delay         | dialog set-delay 2 "<MSD:0250>" | keys "Set Delay" Escape
cmd-repeat-options              | Repeat Options    | dialog repeat-options     | keys "Repeat Options" Escape
cmd-repeat-options-edit         | Repeat Options    | dialog repeat-options 4 "<III>" | keys "Repeat Options" Escape
message-wait-for-no-title       | Error             | dialog wait-for; keys "Wait For" Return | keys Error Return; keys "Wait For" Escape
# Command dialogs: windows and programs, macro control (dlg-windows)
cmd-activate-launch             | Activate/Launch Program | dialog activate-launch | keys "Activate/Launch Program" Escape
cmd-activate-launch-edit        | Activate/Launch Program | dialog activate-launch 3 "<LAUNCHNO:05Untitled - Notepad<LAUNCH:C:\windows\notepad.exe<PARAM>notes.txt>" | keys "Activate/Launch Program" Escape
cmd-size-window                 | Size or Position a Window | dialog size-window | keys "Size or Position a Window" Escape
cmd-size-window-edit            | Size or Position a Window | dialog size-window 2 "<WPOS2:-0020,00100Notepad>" | keys "Size or Position a Window" Escape
cmd-window-controls             | Window Controls   | dialog window-controls    | keys "Window Controls" Escape
cmd-window-controls-edit        | Window Controls   | dialog window-controls 5 "<WHIDE:\"CURRENT\">" | keys "Window Controls" Escape
cmd-load-macro-file             | Load A New Macro File | dialog load-macro-file | keys "Load A New Macro File" Escape
cmd-load-macro-file-edit        | Load A New Macro File | dialog load-macro-file 0 "<SWAP:C:\KELDA.ZYN>" | keys "Load A New Macro File" Escape
cmd-macro-commands              | Macro Commands    | dialog macro-commands     | keys "Macro Commands" Escape
cmd-macro-commands-edit         | Macro Commands    | dialog macro-commands 3 "<MACACT:Letter>" | keys "Macro Commands" Escape
cmd-installed-programs          | List of Installed Programs | dialog installed-programs | keys "List of Installed Programs" Escape
cmd-set-title                   | Set Title         | dialog set-title          | keys "Set Title" Escape
cmd-set-title-edit              | Set Title         | dialog set-title 2 "Notepad" | keys "Set Title" Escape
cmd-set-program                 | Set Program       | dialog set-program        | keys "Set Program" Escape
cmd-set-program-edit            | Set Program       | dialog set-program 1 "notepad.exe" | keys "Set Program" Escape
# Command dialogs: files, the clipboard, the web, the Explorer, video, the audio CD, sound.
cmd-file-manipulation           | File Manipulation | dialog file-manipulation | keys "File Manipulation" Escape
cmd-file-manipulation-edit      | File Manipulation | dialog file-manipulation 3 "<RENFILE:C:\notes.txt;old notes.txt>" | keys "File Manipulation" Escape
cmd-clipboard                   | Clipboard         | dialog clipboard          | keys Clipboard Escape
cmd-clipboard-edit              | Clipboard         | dialog clipboard 3 "<CLIPF:C:\notes.txt>" | keys Clipboard Escape
cmd-web-site                    | Internet Web Site | dialog web-site           | keys "Internet Web Site" Escape
cmd-web-site-edit               | Internet Web Site | dialog web-site 0 "<HTTP:http://www.example.com>" | keys "Internet Web Site" Escape
cmd-web-ftp                     | Internet FTP      | dialog web-ftp            | keys "Internet FTP" Escape
cmd-open-explorer               | Open Explorer     | dialog open-explorer      | keys "Open Explorer" Escape
cmd-open-explorer-edit          | Open Explorer     | dialog open-explorer 0 "<EXPLORE:C:\windows>" | keys "Open Explorer" Escape
cmd-video-clip                  | Play a Video Clip | dialog video-clip         | keys "Play a Video Clip" Escape
cmd-video-clip-edit             | Play a Video Clip | dialog video-clip 2 "<AVIE:C:\clips\demo.avi>" | keys "Play a Video Clip" Escape
cmd-audio-cd                    | Audio CD Controls | dialog audio-cd           | keys "Audio CD Controls" Escape
cmd-audio-cd-edit               | Audio CD Controls | dialog audio-cd 6 "<CDGOTO:05>" | keys "Audio CD Controls" Escape
cmd-set-sound                   | Set Sound         | dialog set-sound          | keys "Set Sound" Escape
cmd-set-sound-edit              | Set Sound         | dialog set-sound 2 "<WAV1:C:\windows\media\ding.wav>" | keys "Set Sound" Escape
cmd-load-text-file              | Load Text from a Text File | dialog load-text-file | keys "Load Text from a Text File" Escape
cmd-load-text-file-edit         | Load Text from a Text File | dialog load-text-file 0 "<TFILE:C:\notes.txt>" | keys "Load Text from a Text File" Escape
# Command dialogs: dates and times, the value dialog, symbols, search, keystrokes
cmd-dates                       | Dates             | dialog dates              | keys Dates Escape
cmd-dates-edit                  | Dates             | dialog dates 0 "<DD Mmmmm YYYY{NP030}>" | keys Dates Escape
cmd-times                       | Times             | dialog times              | keys Times Escape
cmd-times-edit                  | Times             | dialog times 0 "<hh:mm:ss AM{Y}>" | keys Times Escape
cmd-alt-keypad                  | Alt Keypad Sequence | dialog alt-keypad       | keys "Alt Keypad Sequence" Escape
cmd-alt-keypad-edit             | Alt Keypad Sequence | dialog alt-keypad 0 "<ALT4:0169>" | keys "Alt Keypad Sequence" Escape
cmd-scheduler-frequency         | Scheduler Frequency | dialog scheduler-frequency | keys "Scheduler Frequency" Escape
cmd-scheduler-frequency-edit    | Scheduler Frequency | dialog scheduler-frequency 0 30 | keys "Scheduler Frequency" Escape
cmd-insert-symbol               | Insert Symbol     | dialog insert-symbol      | keys "Insert Symbol" Escape
cmd-search-replace              | Search and Replace | dialog search-replace    | keys "Search and Replace" Escape
cmd-search-replace-edit         | Search and Replace | dialog search-replace 0 "Dear Sir" | keys "Search and Replace" Escape
cmd-find                        | Find              | dialog find               | keys Find Escape
cmd-find-edit                   | Find              | dialog find 0 "Dear Sir"  | keys Find Escape
cmd-enter-keystrokes            | Enter Keystrokes  | dialog enter-keystrokes   | keys "Enter Keystrokes" Escape
cmd-enter-keystrokes-edit       | Enter Keystrokes  | dialog enter-keystrokes 0 "Dear Sir<ENTER><TAB>Regards" | keys "Enter Keystrokes" Escape
# Command dialogs: keys, mouse, speed, remark, text box, pause
cmd-keys-up-or-down             | Keys Up Or Down   | dialog keys-up-or-down    | keys "Keys Up Or Down" Escape
cmd-keys-up-or-down-edit        | Keys Up Or Down   | dialog keys-up-or-down 0 "<ALTU>" | keys "Keys Up Or Down" Escape
cmd-mouse-commands              | Mouse Commands    | dialog mouse-commands     | keys "Mouse Commands" Escape
cmd-mouse-commands-edit         | Mouse Commands    | dialog mouse-commands 0 "<WBW:003>" | keys "Mouse Commands" Escape
cmd-speed                       | Speed             | dialog speed              | keys "Speed" Escape
cmd-speed-edit                  | Speed             | dialog speed 0 "<SPEED:00.50>" | keys "Speed" Escape
cmd-remark                      | Remark            | dialog remark             | keys "Remark" Escape
cmd-remark-edit                 | Remark            | dialog remark 0 "<REM:Totals are checked by hand>" | keys "Remark" Escape
cmd-text-box                    | Display A Text Box | dialog text-box          | keys "Display A Text Box" Escape
cmd-text-box-edit               | Display A Text Box | dialog text-box 0 "<TBOX:<HEAD:Notes>A text box shown by a macro.>" | keys "Display A Text Box" Escape
cmd-pause-window                | Pause Window      | dialog pause-window       | keys "Pause Window" Escape
cmd-pause-window-edit           | Pause Window      | dialog pause-window 0 "<PAUSE>" | keys "Pause Window" Escape
# dlg-system: the system, desktop, network and dial-up command dialogs
cmd-reboot-shut-down            | Reboot or Shut Down | dialog reboot-shut-down  | keys "Reboot or Shut Down" Escape
cmd-reboot-shut-down-edit       | Reboot or Shut Down | dialog reboot-shut-down 0 "<POWEROFF>" | keys "Reboot or Shut Down" Escape
cmd-desktop                     | Desktop           | dialog desktop            | keys Desktop Escape
cmd-desktop-edit                | Desktop           | dialog desktop 0 "<EXPCP>" | keys Desktop Escape
cmd-system-controls             | System Controls   | dialog system-controls    | keys "System Controls" Escape
cmd-system-controls-edit        | System Controls   | dialog system-controls 0 "<WALLP:0010,0020C:\WINDOWS\CLOUDS.BMP>" | keys "System Controls" Escape
cmd-speaker-controls            | Speaker Controls  | dialog speaker-controls   | keys "Speaker Controls" Escape
cmd-speaker-controls-edit       | Speaker Controls  | dialog speaker-controls 0 "<MIDIMUTE>" | keys "Speaker Controls" Escape
cmd-screen-setting              | Screen Display Setting | dialog screen-setting | keys "Screen Display Setting" Escape
cmd-screen-setting-edit         | Screen Display Setting | dialog screen-setting 0 "<SCREEN:001>" | keys "Screen Display Setting" Escape
cmd-default-printer             | Default Printer   | dialog default-printer    | keys "Default Printer" Escape
cmd-default-printer-edit        | Default Printer   | dialog default-printer 0 "<DEFPRT:Laser>" | keys "Default Printer" Escape
cmd-network-drive               | Map or Unmap  A Network Drive | dialog network-drive | keys "Map or Unmap  A Network Drive" Escape
cmd-network-drive-edit          | Map or Unmap  A Network Drive | dialog network-drive 0 "<NWDPS:F:>" | keys "Map or Unmap  A Network Drive" Escape
cmd-dial-up                     | Dial-Up Networking | dialog dial-up           | keys "Dial-Up Networking" Escape
cmd-dial-up-edit                | Dial-Up Networking | dialog dial-up 0 "<HANG>" | keys "Dial-Up Networking" Escape
'

# The pattern for xdotool search --name of the title $1, exactly.
title_pattern() {
    printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\.*^$()+?{}|]/\\&/g')"
}

# The X window of the visible window titled exactly $1, waiting up to 5 s.
window_of() {
    for _ in $(seq 25); do
        xdotool search --onlyvisible --name "$(title_pattern "$1")" | head -n 1 | grep . && return 0
        sleep 0.2
    done
    return 1
}

# Waits up to 5 s for the window titled exactly $1 to leave the X display.
gone() {
    for _ in $(seq 25); do
        xdotool search --onlyvisible --name "$(title_pattern "$1")" >/dev/null || return 0
        sleep 0.2
    done
    return 1
}

# Makes the window titled exactly $1 the one in front. A window just opened
# comes to the front by itself and is given a second or two; focusing a
# window that is in front already would take the focus off its control.
to_front() {
    local id
    id=$(window_of "$1") || return 1
    for _ in $(seq 5); do
        run_probe window_tool.exe front | tr -d '\r' | grep -qxF -- "$1" && return 0
        sleep 0.2
    done
    focus_window "$id" "$1"
}

# keys <title> <key>...: presses the keys in that window.
keys() {
    to_front "$1" || return 1
    shift
    xdotool key --delay 150 "$@"
}

# typed <title> <text>: types the text in that window.
typed() {
    to_front "$1" || return 1
    xdotool type --delay 100 "$2"
}

# menu <menu letter> <item letter>...: picks a main-window menu item.
menu() {
    local first=$1
    shift
    keys "Tavrin 99 (KELDA)" "alt+$first" "$@"
}

# play <nickname>: a second copy hands the nickname to the program, which plays it.
play() {
    wine "$PROGRAM_DIR/QORVIL.EXE" /A "$1" >/dev/null 2>&1 &
}

# dialog <dialog name> [kind [tag to edit]]: opens one command dialog, and
# gives it the X focus: the window of a program started apart comes to the
# front for Windows, but the keys would still go where the X focus is.
dialog() {
    local main front
    main=$(run_probe window_tool.exe front | tr -d '\r')
    wine "$PROGRAM_DIR/dialog_probe.exe" "$@" >/dev/null 2>&1 &
    for _ in $(seq 50); do
        front=$(run_probe window_tool.exe front | tr -d '\r')
        [ -n "$front" ] && [ "$front" != "$main" ] && break
        sleep 0.1
    done
    focus_window "$(window_of "$front")" "$front"
}

# press <title> <button caption>: clicks the button once the window is there.
press() {
    window_of "$1" >/dev/null && run_probe window_tool.exe press "$1" "$2"
}

fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe tests/wine/clip_maker.exe tests/wine/dialog_probe.exe
run_probe clip_maker.exe 'C:\tavrin\CLIP.AVI'
add_macro pause 30000 '<PAUSE>'
add_macro ask 30000 '<PROMPTREP><ENDREP>'
add_macro notes 30000 '<TBOX:<HEAD:Notes>A text box shown by a macro.>'
add_macro unended 30000 '<REPEAT:0002>'
add_macro launcher 30000 '<LAUNCH:C:\tavrin\NOSUCH.EXE>'
# Popup menus of the macros above (5 .. 9): Ctrl+Alt+M, E (19 members, the
# first part of each) and I (icons).
add_macro Tools 156 "" "menu=5,6,7,8,9"
add_macro Many 148 "" "menu=5,6,7,8,9,5,6,7,8,9,5,6,7,8,9,5,6,7,8" show=1
add_macro Icons 152 "" "menu=5,6,7,8,9,10,11" show=22
add_macro clip 30000 '<AVII:C:\tavrin\CLIP.AVI>'
# The main window's list: a hot key, a Quillet, a timed, an inactive and a
# window-scoped macro with a name too long for its cell.
add_macro "Mail signature" 20000 'Regards' quillet=sig
add_macro "Morning report" 10000 'report'
add_macro "Old address" 144 'old' 1 "" 0 0
add_macro "Budget totals" 288 'total' 2 "Budget 2027 - Quarterly Spreadsheet"
add_macro screenmode 30000 '<SCREEN:999>'
# An icon of the Icons folder, and a file there that is no icon, which shows
# the program's icon instead.
mkdir -p "$PROGRAM_DIR/Icons"
cp "$HERE/../../src/app/res/recording.ico" "$PROGRAM_DIR/Icons/RECORD.ICO"
cp "$HERE/../../src/app/res/running.ico" "$PROGRAM_DIR/Icons/RUNNING.ICO"
printf 'not an icon' >"$PROGRAM_DIR/Icons/BAD.ICO"
add_macro "Icon file" 30000 'icon' icon=RECORD.ICO
add_macro "Bad icon" 30000 'bad' icon=BAD.ICO
# Two popup menus with tray icons of their own: the menu picture, and an
# icon file of the Icons folder.
add_macro "Tray menu" 30000 "" "menu=5,6" tray=Y
add_macro "Tray icon file" 30000 "" "menu=7,8" tray=Y icon=RUNNING.ICO
# A recent file that is gone, for its message; column titles in navy.
printf '[Misc]\r\nLast File 1=C:\\tavrin\\GONE.ZYN\r\n[Grid Title Font]\r\nColor=8388608\r\n' \
    >"$WINDOWS_DIR/KELDA.INI"

rm -rf "$OUT"
mkdir -p "$OUT"
cd "$PROGRAM_DIR" || exit 1  # the folder the file dialogs show
start_program
wait_for_trace "hooks installed"
wait_for_trace "idle working set"  # the start-up macros have had their turn
# Wine shows the tray icons in a window of its own at the top left, over
# the main window: down to the lower left with it.
tray=$(xdotool search --name "Wine System Tray" | head -n 1)
[ -n "$tray" ] && xdotool windowmove "$tray" 0 700

# Runs the steps of a column; each in a subshell, so that a step that fails
# (and any fail of lib.sh) ends only that step.
steps() {
    [ "$1" = - ] || (eval "$1") >/dev/null 2>&1
}

written=0
while IFS='|' read -r -u 3 name title open close; do
    name=$(sed 's/^ *//; s/ *$//' <<<"$name")
    [ -n "$name" ] || continue
    [[ $name == '#'* ]] && continue  # a line naming the group of the lines below
    title=$(sed 's/^ *//; s/ *$//' <<<"$title")
    open=$(sed 's/^ *//; s/ *$//' <<<"$open")
    close=$(sed 's/^ *//; s/ *$//' <<<"$close")
    if steps "$open" && id=$(window_of "$title"); then
        # The pointer out of the way while the picture is taken, so no hint
        # or hover shows over the window; then back, since keys go where it
        # is when the X focus reverts to the pointer.
        eval "$(xdotool getmouselocation --shell)"
        pointer_x=$X pointer_y=$Y
        xdotool mousemove 1020 760
        sleep 1  # let it paint
        if [ "$title" = "Wine System Tray" ]; then
            # Its own picture comes out black: cut it out of the screen's.
            eval "$(xdotool getwindowgeometry --shell "$id")"
            import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$OUT/$name.png" \
                && written=$((written + 1))
        else
            import -window "$id" "$OUT/$name.png" && written=$((written + 1))
        fi
        xdotool mousemove "$pointer_x" "$pointer_y"
        steps "$close" && { [ "$close" = - ] || gone "$title"; } || echo "could not close: $name"
    else
        echo "missing: $name"
        steps "$close"  # whatever did open on the way
        steps 'keys "Tavrin 99 (KELDA)" Escape Escape'  # a menu left open
    fi
done 3<<<"$WINDOWS"

run_probe window_tool.exe close "Tavrin 99 (KELDA)"
wait_for_exit "$PROGRAM_PID" 10 || echo "the program did not end on close"
echo "$written pictures written to $OUT"
