#pragma once
// A macro store on fakes of the files, the hook library, the message boxes
// and the clock.
#include <string>

#include "fakes/fake_clock.h"
#include "fakes/fake_files.h"
#include "fakes/fake_hook_library.h"
#include "fakes/fake_messages.h"
#include "store/macro_store.h"

namespace tavrin {

// The program folder of the stores the tests make.
inline const std::string kStoreFolder = "C:\\TAVRIN";

// The fakes a macro store reaches.
struct StoreFakes {
    FakeFiles files;
    FakeHookLibrary hooks;
    FakeMessages messages;
    FakeClock clock;
};

// A store in kStoreFolder on those fakes; it names the macro file it loads
// in currentFile.
inline MacroStore FakeStore(StoreFakes& fakes, std::string& currentFile) {
    return MacroStore(fakes.files, fakes.hooks, fakes.messages, fakes.clock, kStoreFolder,
                      currentFile);
}

// A store with fakes of its own.
struct StoreRig : StoreFakes {
    std::string currentFile;
    MacroStore store = FakeStore(*this, currentFile);
};

}  // namespace tavrin
