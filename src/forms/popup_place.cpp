#include "forms/popup_place.h"

#include <algorithm>

namespace tavrin {

ScreenRect PlaceBesideRow(const ScreenRect& row, int width, int height, const ScreenRect& workArea) {
    const int right = workArea.left + workArea.width;
    const int bottom = workArea.top + workArea.height;
    ScreenRect r{row.left, row.top + row.height, width, height};
    if (r.top + height > bottom) r.top = row.top - height;
    r.top = std::max(workArea.top, std::min(r.top, bottom - height));
    r.left = std::max(workArea.left, std::min(r.left, right - width));
    return r;
}

}  // namespace tavrin
