# A second copy started with "/A <nickname>" makes the running program play
# that macro into the window in front: capitals, punctuation, Enter, Tab,
# Backspace and a one-shot Shift arrive in Notepad as typed text, "(" and ")"
# (no key for them on this layout) arrive as the characters themselves, a
# date tag types today's date, date and time tags of other families type
# what `date` gives, characters beyond ASCII ("é", "ß", "", ...) arrive
# as the code page's characters, and an ALT keypad tag goes as Alt plus its
# code on the keypad.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe tests/wine/key_target.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT

# Macro texts go through files, so every byte is stored as written.
printf '%s' 'Hello, World! (x)<ENTER>a<TAB>b;c.d?<BACKSPACE>e<SHIFT>fg <SHIFT>1 "Q"= <YYYY-MM-DD{Y}>' \
    >"$PROGRAM_DIR/typing.txt"
printf 'x<ALT4:0233>y' >"$PROGRAM_DIR/alt_code.txt"
# Code page 1252: e acute, u umlaut, sharp s, the euro sign, three quarters.
accented='x\xe9y\xfcz\xdf! 5 \x80, \xbe d\xe9j\xe0 vu'
printf "$accented" >"$PROGRAM_DIR/accent.txt"
run_probe store_probe.exe add 'C:\tavrin\KELDA.ZYN' "typing test" 30000 '@C:\tavrin\typing.txt' \
    || fail "cannot add the typing macro"
run_probe store_probe.exe add 'C:\tavrin\KELDA.ZYN' "alt code" 30000 '@C:\tavrin\alt_code.txt' \
    || fail "cannot add the alt code macro"
printf '%s' '<DD Mmmmm YYYY{Y}>;<Mmm DD, YY{Y}>;<Day of Week 1{Y}>;<hh:mm:ss AM{Y}>;<hh.mm{Y}>' \
    >"$PROGRAM_DIR/dates.txt"
run_probe store_probe.exe add 'C:\tavrin\KELDA.ZYN' "dates" 30000 '@C:\tavrin\dates.txt' \
    || fail "cannot add the dates macro"
run_probe store_probe.exe add 'C:\tavrin\KELDA.ZYN' "accent" 30000 '@C:\tavrin\accent.txt' \
    || fail "cannot add the accent macro"

start_program
wait_for_trace "hooks installed"

# Plays the macro of nickname $1 from a second copy, which hands it over and
# ends; the words go unquoted, as a user types them after "/A".
play() {
    # shellcheck disable=SC2086
    wine "$PROGRAM_DIR/QORVIL.EXE" /A $1 >/dev/null 2>&1 &
    local second=$!
    STARTED+=("$second")
    wait_for_exit "$second" 20 || fail "the second copy did not end"
    wait_for_trace "played macro $2" 30
}

start_notepad
notepad=$NOTEPAD
play "typing test" 5
wait_for_trace 'run by nickname "TYPING TEST": macro 5'
printf 'Hello, World! (x)\r\na\tb;c.deFg ! "Q"= %s' "$(date +%Y-%m-%d)" >"$PROGRAM_DIR/typed.txt"
wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/typed.txt" \
    || fail "Notepad holds $(od -c "$PROGRAM_DIR/typed.txt.got")"

# The same Notepad emptied; the time may have moved on by a minute.
focus_window "$notepad" "Untitled - Notepad"
xdotool key ctrl+a Delete
before=$(LC_ALL=C date '+%d %B %Y;%b %d, %y;%a;%I:%M %p;%H.%M')
play "dates" 7
after=$(LC_ALL=C date '+%d %B %Y;%b %d, %y;%a;%I:%M %p;%H.%M')
for _ in $(seq 20); do
    got=$(run_probe window_tool.exe text "Untitled - Notepad")
    [[ $got == *\;*\;*\;*:*:??\ ?M\;??.?? ]] && break
    sleep 0.5
done
# Only the seconds of hh:mm:ss AM are left out of the comparison.
shown=$(printf '%s' "$got" | sed -E 's/:[0-9]{2} (AM|PM);/ \1;/')
[ "$shown" = "$before" ] || [ "$shown" = "$after" ] \
    || fail "the date and time tags typed \"$got\", not \"$before\" (or \"$after\")"

# Characters beyond ASCII arrive in Notepad exactly.
focus_window "$notepad" "Untitled - Notepad"
xdotool key ctrl+a Delete
play "accent" 8
printf "$accented" >"$PROGRAM_DIR/accented.txt"
wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/accented.txt" \
    || fail "Notepad holds $(od -c "$PROGRAM_DIR/accented.txt.got")"

# Wine does not compose Alt plus keypad digits into a character: the keys
# that reach the target are checked instead.
wine "$PROGRAM_DIR/key_target.exe" 60 >"$PROGRAM_DIR/keys.log" 2>&1 &
STARTED+=($!)
target=$(xdotool search --sync --name "Key Target" | head -n 1)
focus_window "$target" "Key Target"
play "alt code" 6
expected="down 88
up 88
down 18
down 96 alt
up 96 alt
down 98 alt
up 98 alt
down 99 alt
up 99 alt
down 99 alt
up 99 alt
up 18
down 89
up 89"
# The key target logs as keys arrive: wait for Alt to come back up and "y".
for _ in $(seq 20); do
    tr -d '\r' <"$PROGRAM_DIR/keys.log" | grep -qx "up 89" && break
    sleep 0.5
done
keys=$(tr -d '\r' <"$PROGRAM_DIR/keys.log")
[ "$keys" = "$expected" ] || fail "the key target received: $(echo $keys)"

run_probe window_tool.exe close "Tavrin 99 (KELDA)"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end on close"
PROGRAM_PID=""
