# The command dialogs as a user fills them in, by keyboard: each opens on a
# new command (or on a tag to edit), refuses what it must with its message in
# an "Error" box and keeps the input, and gives the command's tag on "&Ok".
. "$HERE/lib.sh"
fresh_program_dir tests/wine/dialog_probe.exe tests/wine/window_tool.exe

# front <caption>: the dialog of that caption is open and has the focus.
front() {
    wait_for_windows "$1" || fail "\"$1\" did not open"
    focus_window "$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)" "$1"
}

# refused <caption> <message>: "&Ok" shows the message; the box goes, the dialog stays.
refused() {
    xdotool key Return
    wait_for_windows Error || fail "$1 refused nothing"
    got=$(run_probe window_tool.exe message Error | tr -d '\r')
    [ "$got" = "$2" ] || fail "$1 says \"$got\", not \"$2\""
    xdotool key Return
    wait_for_windows Error 0 || fail "the Error box stays"
    [ "$(run_probe window_tool.exe count "$1" | tr -d '\r')" = 1 ] || fail "$1 closed on a refusal"
}

# retype <text>: the field with the focus holds the text instead.
retype() {
    xdotool key End $(printf 'BackSpace %.0s' $(seq 12))
    xdotool type --delay 60 "$1"
}

# gives <dialog> <tag>: the dialog closed on "&Ok" with that result.
gives() {
    xdotool key Return
    got=$(dialog_result)
    [ "$got" = "$2" ] || fail "$1 gave \"$got\", not \"$2\""
}

open_dialog wait-for
front "Wait For"
refused "Wait For" "No entry made for Window Title.  Please correct."
xdotool type --delay 60 "  Notepad  "  # into the title, which the refusal gave the focus
gives "Wait For" "<WAITWIN:010:Notepad>"

open_dialog wait-for 4 "<WAITKEY:003:05>"
front "Wait For"
gives "Wait For on an edited key wait" "<WAITKEY:003:05>"

open_dialog set-delay
front "Set Delay"
xdotool type --delay 60 "0"
refused "Set Delay" "Value must be greater than zero and no larger than 60."
retype "60.01"
refused "Set Delay" "Value must be greater than zero and no larger than 60."
retype "0.5"
gives "Set Delay" "<DELAY:00.50>"

open_dialog repeat-options
front "Repeat Options"
xdotool key Tab
retype 3
xdotool key Tab
retype 10
xdotool key Tab
retype 5
gives "Repeat Options" "<REP:0003:000010:000005>"

open_dialog repeat-options 1
front "Repeat Options"
xdotool key Escape
got=$(dialog_result)
[ -z "$got" ] || fail "Repeat Options cancelled gave \"$got\""
