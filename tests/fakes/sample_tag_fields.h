#pragma once
// Field values every tag can be written with; a wait's time-out is not 0,
// which would wait for ever.
#include "language/tag_fields.h"

namespace tavrin {

inline TagFields SampleFields() {
    TagFields f;
    f.Numbers = {5, 10, 2};
    f.Real = 1.5;
    f.Letters = {'Y', 'F'};
    f.Flags = "PS";
    f.Texts = {"Untitled - Notepad", "C:\\tavrin\\notes.txt", "F:\\\\server\\share"};
    return f;
}

}  // namespace tavrin
