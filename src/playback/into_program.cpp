#include "playback/into_program.h"

namespace tavrin {

// The player comes next; until then a started macro plays nothing.
void IntoProgram(const std::string&) {}

}  // namespace tavrin
