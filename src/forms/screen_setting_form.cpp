#include "forms/screen_setting_form.h"

#include <cstdio>

#include "language/tag_recogniser.h"
#include "language/tag_writer.h"

namespace tavrin {

std::string DisplayModeLine(int width, int height, int bitsPerPixel, int frequency) {
    const unsigned long long colours =
        bitsPerPixel >= 0 && bitsPerPixel < 64 ? 1ULL << bitsPerPixel : 0;
    char line[80];
    std::snprintf(line, sizeof line, "%4d x %4d  %llu Colors  %d hertz", width, height, colours,
                  frequency);
    return line;
}

ScreenSettingFields NewScreenSettingFields() { return {0}; }

ScreenSettingFields ScreenSettingFieldsOf(const ScreenSettingValues& values) {
    return {values.Line};
}

ScreenSettingValues ScreenSettingValuesOf(const TagMatch& match) {
    return {match.Fields.Numbers[0]};
}

CommandAnswer<ScreenSettingValues> AcceptScreenSetting(const ScreenSettingFields& fields) {
    if (fields.Line < 0) return Refuse<ScreenSettingValues>("No display setting selected.", 1);
    TagFields tag;
    tag.Numbers[0] = fields.Line;
    return Answer(WriteTag(TagKind::ScreenMode, tag), ScreenSettingValues{fields.Line});
}

}  // namespace tavrin
