# Sound and media with no sound card, mixer or CD drive, as here: wave files
# that cannot play, the beep, the mute tags, the CD tags, a video clip of a
# missing file and the reserved "<EMPTYBIN>" and "<TEST>" go by without a
# box, and the macro plays on to its end; a volume tag says in its box that
# the device has no such control, and the macro goes on after it. A real one-second clip played by "<AVIE:"
# closes its window by itself; one played by "<AVII:" stays until closed.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/window_tool.exe \
    tests/wine/store_probe.exe tests/wine/clip_maker.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT

text='<WAV1:C:\tavrin\NONE.WAV><WAV2:C:\tavrin\NONE.WAV><BEEP><AUDMUTE><MIDIMUTE><CDPLAY>'
text+='<CDSTEP:05><CDGOTO:02><CDEJECT><CDCLOSE><EMPTYBIN><TEST><AVIE:C:\tavrin\MISSING.AVI>'
text+='<MKDIR:C:\tavrin\went on>'
add_macro "media" 30000 "$text"  # 5
add_macro "clip" 30000 '<AVIE:C:\tavrin\CLIP.AVI><MKDIR:C:\tavrin\after clip>'  # 6
add_macro "stays" 30000 '<AVII:C:\tavrin\CLIP.AVI><MKDIR:C:\tavrin\after close>'  # 7
add_macro "volume" 30000 '<AUDUP><MKDIR:C:\tavrin\after volume>'  # 8
run_probe clip_maker.exe 'C:\tavrin\CLIP.AVI' || fail "cannot make the clip"

start_program
wait_for_trace "hooks installed"
wine "$PROGRAM_DIR/QORVIL.EXE" /A media >/dev/null 2>&1 &
STARTED+=($!)
for _ in $(seq 100); do [ -d "$PROGRAM_DIR/went on" ] && break; sleep 0.2; done
[ -d "$PROGRAM_DIR/went on" ] \
    || fail "the media macro stopped before its end; windows: $(run_probe window_tool.exe front)"
wait_for_trace "played macro 5" 20

# expect_box <title> <text>: the box is there with that text; Enter closes it.
expect_box() {
    wait_for_windows "$1" || fail "no \"$1\" box for \"$2\""
    got=$(run_probe window_tool.exe message "$1" | tr -d '\r')
    [ "$got" = "$2" ] || fail "the \"$1\" box says \"$got\", not \"$2\""
    run_probe window_tool.exe press "$1" OK || fail "cannot close the \"$1\" box"
    wait_for_windows "$1" 0 || fail "the \"$1\" box stays"
}

wine "$PROGRAM_DIR/QORVIL.EXE" /A clip >/dev/null 2>&1 &
STARTED+=($!)
wait_for_windows "Video Clip Player" || fail "\"<AVIE:\" opened no player"
wait_for_trace "played macro 6" 20
wait_for_windows "Video Clip Player" 0 || fail "the player of \"<AVIE:\" stays after the clip"
[ -d "$PROGRAM_DIR/after clip" ] || fail "the macro did not go on after the clip"

wine "$PROGRAM_DIR/QORVIL.EXE" /A stays >/dev/null 2>&1 &
STARTED+=($!)
wait_for_windows "Video Clip Player" || fail "\"<AVII:\" opened no player"
sleep 3  # the clip is one second long
[ "$(run_probe window_tool.exe count "Video Clip Player" | tr -d '\r')" = 1 ] \
    || fail "the player of \"<AVII:\" closed by itself"
[ -d "$PROGRAM_DIR/after close" ] && fail "the macro went on while the player was open"
run_probe window_tool.exe close "Video Clip Player"
wait_for_trace "played macro 7" 20
[ -d "$PROGRAM_DIR/after close" ] || fail "the macro did not go on after the player closed"
wine "$PROGRAM_DIR/QORVIL.EXE" /A volume >/dev/null 2>&1 &
STARTED+=($!)
expect_box "Macro Error" "Audio volume control is not supported by your Audio Device."
wait_for_trace "played macro 8" 20
[ -d "$PROGRAM_DIR/after volume" ] || fail "the macro did not go on after the volume box"
exit 0
