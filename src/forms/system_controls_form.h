#pragma once
// "System Controls": the screen saver, the keyboard's repeat delay and
// speed, the desktop wallpaper and the width of the windows' sizing border.
#include <cstddef>
#include <string>

#include "forms/command_fields.h"

namespace tavrin {

class FileSystem;
struct TagMatch;

constexpr size_t kSystemNumberChars = 2;
constexpr size_t kWallpaperCoordinateChars = 4;

// Kinds: 1 screen saver on, 2 off, 3 its time-out, 4 keyboard repeat delay,
// 5 repeat speed, 6 wallpaper, 7 sizing border.
constexpr int kWallpaperChoice = 6;

// Fields that a refusal gives the focus.
enum SystemControlsField { kSystemNumberField = 1, kWallpaperXField, kWallpaperYField, kBitmapField };

// How the wallpaper is laid on the desktop.
enum WallpaperStyle { kWallpaperTile, kWallpaperCentre, kWallpaperStretch, kWallpaperPosition };

struct SystemControlsValues {
    int Kind = 0;
    int Number = 0;  // minutes, factor or border width
    int Style = kWallpaperCentre;
    int X = 0;
    int Y = 0;
    std::string Bitmap;
};

struct SystemControlsFields {
    int Kind = 0;  // the checked choice; 0 for none
    std::string Number;
    bool Tile = false;
    int Style = kWallpaperCentre;  // the checked one of centre, stretch and position
    std::string X;
    std::string Y;
    std::string Bitmap;
};

// A new command: the screen saver on, number "1", the bitmap tiled (with
// "&Center" beneath it).
SystemControlsFields NewSystemControlsFields();
SystemControlsFields SystemControlsFieldsOf(const SystemControlsValues& values);
SystemControlsValues SystemControlsValuesOf(const TagMatch& match);
CommandAnswer<SystemControlsValues> AcceptSystemControls(const SystemControlsFields& fields,
                                                         FileSystem& files);

// The label of the number field for a choice: "Minutes" or "Factor".
const char* SystemNumberLabel(int kind);
bool SystemNumberShown(int kind);

}  // namespace tavrin
