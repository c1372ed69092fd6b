#include "capture/dead_keys.h"

namespace tavrin {

uint16_t CombiningAccentOf(uint16_t c) {
    struct Accent {
        uint16_t character, combining;
    };
    static const Accent kAccents[] = {
        {0x0060, 0x0300},  // ` grave
        {0x00B4, 0x0301},  // acute
        {0x0027, 0x0301},  // ' acute, on the international layouts
        {0x005E, 0x0302},  // ^ circumflex
        {0x02C6, 0x0302},
        {0x007E, 0x0303},  // ~ tilde
        {0x02DC, 0x0303},
        {0x00AF, 0x0304},  // macron
        {0x02D8, 0x0306},  // breve
        {0x02D9, 0x0307},  // dot above
        {0x00A8, 0x0308},  // diaeresis
        {0x0022, 0x0308},  // " diaeresis, on the international layouts
        {0x00B0, 0x030A},  // ring above
        {0x02DA, 0x030A},
        {0x02DD, 0x030B},  // double acute
        {0x02C7, 0x030C},  // caron
        {0x00B8, 0x0327},  // cedilla
        {0x02DB, 0x0328},  // ogonek
    };
    for (const Accent& a : kAccents)
        if (a.character == c) return a.combining;
    return 0;
}

}  // namespace tavrin
