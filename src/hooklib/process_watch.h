#pragma once
// Notices when processes start or end, by comparing the set of process ids
// with the one seen last.
#include <windows.h>

#include <vector>

namespace tavrin {

class ProcessWatch {
public:
    // Takes the current set as the one to compare with.
    void Reset();
    // true when the set differs from the last one; a failed snapshot changes
    // nothing.
    bool Changed();

private:
    static bool Snapshot(std::vector<DWORD>& ids);

    std::vector<DWORD> ids_;
};

}  // namespace tavrin
