. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/window_tool.exe tests/wine/store_probe.exe
main="Tavrin 99 (KELDA)"
start_program
wait_for_trace "hooks installed"
window=$(xdotool search --sync --name "Tavrin 99 \(KELDA\)" | head -n 1)
focus_window "$window" "$main"
xdotool mousemove 120 33 click 1; sleep 0.7; xdotool mousemove 150 52 click 1; sleep 0.7; import -window root /tmp/pop.png
