#pragma once
// A Win32 critical section and a scoped hold on it.
#include <windows.h>

namespace tavrin {

class CriticalSection {
public:
    CriticalSection() { InitializeCriticalSection(&cs_); }
    ~CriticalSection() { DeleteCriticalSection(&cs_); }
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    void Enter() { EnterCriticalSection(&cs_); }
    void Leave() { LeaveCriticalSection(&cs_); }

private:
    CRITICAL_SECTION cs_;
};

class Hold {
public:
    explicit Hold(CriticalSection& cs) : cs_(cs) { cs_.Enter(); }
    ~Hold() { cs_.Leave(); }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

private:
    CriticalSection& cs_;
};

}  // namespace tavrin
