#!/bin/sh
# Checks that every #include "folder/..." in src/ runs down the layers: a
# file may include its own folder and the folders its line of the table
# below names, nothing else. Prints each include that runs up or sideways,
# with its file and line, and fails when there is one.
#
# The layers, lowest first. A folder's line names every folder under it
# that it may include (an entry may also name one header). The core
# libraries of CMakeLists.txt link the same way.
#
#   language        the macro text format; nothing below it
#   base            plain value types shared by every layer: dates, the
#                   macro table shared with the hook library, the remap
#                   tables, the byte fields of records
#   platform        the interfaces over the system, in plain and base types
#   store           macro records, the macro file, settings, hot key codes
#   playback .. startup   beside each other in that order: triggers plays
#                   macros, and capture, forms and startup (the command
#                   line and the start-up order) use triggers; none of the
#                   three includes another
#   control         the main window's controller, over all of the core
#   platform/win32  the Win32 side of the interfaces: only what they speak,
#                   and the exports of the hook library it loads
#   hooklib, ui, app   the Win32 program on top
cd "$(dirname "$0")/.." || exit 1

layers='
language
base            language
platform        base
store           language base platform
playback        language base platform store
triggers        language base platform store playback
capture         language base platform store playback triggers
forms           language base platform store playback triggers
startup         language base platform store playback triggers
control         language base platform store playback triggers capture forms startup
platform/win32  base platform hooklib/zynhook.h
hooklib         language base platform store playback triggers capture forms startup platform/win32
ui              language base platform store playback triggers capture forms startup platform/win32
app             language base platform store playback triggers capture forms startup control platform/win32 hooklib ui
'

find src -name '*.h' -o -name '*.cpp' -o -name '*.rc' | sort |
    xargs grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*/' |
    awk -v layers="$layers" '
        BEGIN {
            n = split(layers, lines, "\n")
            for (i = 1; i <= n; i++) {
                k = split(lines[i], w, " ")
                if (k == 0) continue
                known[w[1]] = 1
                for (j = 2; j <= k; j++) allowed[w[1], w[j]] = 1
            }
        }
        # The folder of a path, as the table names it.
        function folder(path) {
            if (path ~ /^platform\/win32\//) return "platform/win32"
            sub(/\/.*/, "", path)
            return path
        }
        {
            file = $0; sub(/:.*/, "", file)
            line = $0; sub(/^[^:]*:/, "", line); sub(/:.*/, "", line)
            header = $0; sub(/^[^"]*"/, "", header); sub(/".*/, "", header)
            from = folder(substr(file, 5))
            to = folder(header)
            if (!(from in known)) {
                printf "%s:%s: #include \"%s\": src/%s is not in the table of layers\n", file, line, header, from
                bad++
            } else if (to != from && !((from, to) in allowed) && !((from, header) in allowed)) {
                printf "%s:%s: #include \"%s\": %s may not include %s\n", file, line, header, from, to
                bad++
            }
        }
        END {
            if (bad) {
                printf "%d include(s) run up or sideways; the layers are in scripts/check_layers.sh\n", bad
                exit 1
            }
        }'
