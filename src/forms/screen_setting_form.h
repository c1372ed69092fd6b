#pragma once
// "Screen Display Setting": one of the display modes the system lists,
// chosen by its line.
#include <string>

#include "forms/command_fields.h"

namespace tavrin {

struct TagMatch;

// A display mode as the list shows it: " 800 x  600  65536 Colors  60 hertz".
std::string DisplayModeLine(int width, int height, int bitsPerPixel, int frequency);

struct ScreenSettingValues {
    int Line = 0;  // from 0
};

struct ScreenSettingFields {
    int Line = -1;  // the selected line, from 0; -1 for none
};

// A new command selects the first line.
ScreenSettingFields NewScreenSettingFields();
ScreenSettingFields ScreenSettingFieldsOf(const ScreenSettingValues& values);
ScreenSettingValues ScreenSettingValuesOf(const TagMatch& match);
CommandAnswer<ScreenSettingValues> AcceptScreenSetting(const ScreenSettingFields& fields);

}  // namespace tavrin
