#!/bin/bash
# The portable release a Windows user downloads: <out>/Tavrin.zip holding
# the folder Tavrin with QORVIL.EXE, ZYNHOOK.DLL and the "Icons" folder of
# macro icons (and the help files once they exist). The program files go
# without their debugging information; the files as built, with it, stay
# beside the zip in <out>/symbols for reading crash addresses.
# Usage: dist.sh <win64 build folder> <output folder>
set -eu
BUILD=$(realpath "$1")
OUT=$(realpath -m "$2")
ROOT=$(dirname "$(realpath "$0")")/..
STAGE="$OUT/Tavrin"
rm -rf "$STAGE" "$OUT/Tavrin.zip" "$OUT/symbols"
mkdir -p "$STAGE/Icons" "$OUT/symbols"
for f in src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL; do
    cp "$BUILD/$f" "$OUT/symbols/"
    x86_64-w64-mingw32-strip --strip-all -o "$STAGE/$(basename "$f")" "$BUILD/$f"
done
for f in KORRINDA.HLP ZYTUT.PDF CURSFIND.EXE; do
    [ -f "$ROOT/dist/$f" ] && cp "$ROOT/dist/$f" "$STAGE/"
done
# Pictures a user can give a macro (names of at most 12 characters).
cp "$ROOT/src/app/res/menu.ico" "$STAGE/Icons/MENU.ICO"
cp "$ROOT/src/app/res/recording.ico" "$STAGE/Icons/RECORD.ICO"
cp "$ROOT/src/app/res/running.ico" "$STAGE/Icons/RUNNING.ICO"
(cd "$OUT" && zip -q -r Tavrin.zip Tavrin)
rm -rf "$STAGE"
echo "$OUT/Tavrin.zip"
