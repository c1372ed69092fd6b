#pragma once
// The library's hook thread. The low-level keyboard and mouse hooks, the
// key-remap hook and the window hook are installed on this thread, and its message loop runs their
// callbacks, so a busy program thread can never make Windows drop a late
// hook. The window hook is a foreground event hook plus timers that look at
// the window in front (Wine reports no foreground changes of other processes
// to event hooks) and at the running processes. The thread starts with the
// first hook and ends, joined, when the last one is removed.
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "hooklib/critical_section.h"
#include "hooklib/table_copy.h"

namespace tavrin {

enum class HookKind { Keyboard, Mouse, Window, Remap };

class HookThread {
public:
    explicit HookThread(TableCopy& table);
    ~HookThread();
    HookThread(const HookThread&) = delete;
    HookThread& operator=(const HookThread&) = delete;

    // A token for the new hook, or 0. Several tokens of one kind share one
    // hook, so no event is reported twice.
    uint32_t Install(HookKind kind);
    bool Remove(uint32_t token);
    // The modifier keys the user holds (bits of kHeldKeys), as the keyboard
    // hook saw them; 0 while there is no keyboard hook.
    uint32_t HeldKeys() const { return heldKeys_.load(); }

    struct Request;
    struct State;

private:
    uint32_t Ask(Request* request);
    bool Running();
    bool Start();
    void Join();
    static DWORD WINAPI Run(void* self);
    void Loop(State& state);
    void Answer(State& state, Request& request);

    TableCopy& table_;
    CriticalSection callers_;  // one request at a time
    HANDLE ready_;              // the new thread has its message queue
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    HMODULE module_ = nullptr;  // the thread's own reference to the library
    uint32_t nextToken_ = 1;    // hook thread only
    std::atomic<uint32_t> heldKeys_{0};  // written by the hook thread only
};

}  // namespace tavrin
