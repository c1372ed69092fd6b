#pragma once
// Records every publication to the hook library with the table's
// MacroCount at that moment, e.g. "ZynUpItem 4 count=4".
#include <string>
#include <vector>

#include "platform/hook_library.h"

namespace tavrin {

class FakeHookLibrary : public HookLibrary {
public:
    std::vector<std::string> calls;
    MacroTable lastItemTable;  // the table as the last ZynUpItem saw it
    uint32_t heldModifiers = 0;  // answered by ZynHeldModifiers, not recorded

    bool failKeyboard = false;  // ZynHookKeyboard answers 0

    uint32_t ZynHookKeyboard() override {
        return Hook("ZynHookKeyboard", failKeyboard ? 0 : 101);
    }
    uint32_t ZynHookMouse() override { return Hook("ZynHookMouse", 102); }
    uint32_t ZynHookCBT() override { return Hook("ZynHookCBT", 103); }
    uint32_t ZynHookSwap() override { return Hook("ZynHookSwap", 104); }
    bool ZynUnHook(uint32_t handle) override {
        calls.push_back("ZynUnHook " + std::to_string(handle));
        return true;
    }
    void ZynUpInit(const MacroTable& t) override { Record("ZynUpInit", t); }
    void ZynUpWindow(const MacroTable& t) override { Record("ZynUpWindow", t); }
    void ZynUpWindow2(const MacroTable& t) override { Record("ZynUpWindow2", t); }
    void ZynUpKeys(const MacroTable& t) override { Record("ZynUpKeys", t); }
    void ZynUpNumKeys(const MacroTable& t) override { Record("ZynUpNumKeys", t); }
    void ZynUpItem(const MacroTable& t, int n) override {
        Record("ZynUpItem " + std::to_string(n), t);
        lastItemTable = t;
    }
    void ZynUpInUse(const MacroTable& t) override { Record("ZynUpInUse", t); }
    void ZynUpCapture(const MacroTable& t) override { Record("ZynUpCapture", t); }
    void ZynUpCaptureOn(const MacroTable& t) override { Record("ZynUpCaptureOn", t); }
    void ZynUpIdle(const MacroTable& t) override { Record("ZynUpIdle", t); }
    void ZynUpWaits(const MacroTable& t) override { Record("ZynUpWaits", t); }
    void ZynUpProg(const MacroTable& t) override { Record("ZynUpProg", t); }
    void ZynUpProgs(const MacroTable& t) override { Record("ZynUpProgs", t); }
    void ZynUpKeyHook(const MacroTable& t) override { Record("ZynUpKeyHook", t); }
    void ZynUpMouseHook(const MacroTable& t) override { Record("ZynUpMouseHook", t); }
    uint32_t ZynHeldModifiers() override { return heldModifiers; }

private:
    uint32_t Hook(const std::string& what, uint32_t handle) {
        calls.push_back(what);
        return handle;
    }
    void Record(const std::string& what, const MacroTable& t) {
        calls.push_back(what + " count=" + std::to_string(t.MacroCount()));
    }
};

}  // namespace tavrin
