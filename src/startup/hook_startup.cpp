#include "startup/hook_startup.h"

#include "store/hot_key_flags.h"

namespace tavrin {

namespace {

// The capture fields of the table, cleared before the first publication.
void ClearCaptureFields(MacroTable& t) {
    t.SetU16(table::CaptureMacro, 0);
    for (size_t offset = table::Reserved741; offset <= table::CaptureDoubleAlt; ++offset)
        t.SetByte(offset, 0);
    for (size_t offset = table::StopKeyButton; offset <= table::CaptureSize; ++offset)
        t.SetByte(offset, 0);
    for (size_t offset = table::CaptureKeys; offset <= table::CaptureTime; ++offset)
        t.SetByte(offset, 0);
    t.SetByte(table::CaptureStarting, 0);
    t.SetByte(table::CaptureSize2, 0);
}

}  // namespace

HookHandles StartHooks(MacroTable& t, HookLibrary& hooks, const HookStartInfo& info) {
    HookHandles handles;
    if (info.remapInUse) handles.swap = hooks.ZynHookSwap();
    handles.cbt = hooks.ZynHookCBT();

    ClearCaptureFields(t);
    t.SetByte(table::IsNT, info.isNT ? 1 : 0);
    t.SetByte(table::ButtonsSwapped, info.buttonsSwapped ? 1 : 0);
    hooks.ZynUpCapture(t);
    hooks.ZynUpInit(t);

    t.SetByte(table::IdleWatch, 0);
    hooks.ZynUpIdle(t);
    t.SetU32(table::MainWindow, info.mainWindow);
    hooks.ZynUpWindow(t);
    t.SetU32(table::KeyEntryWindow, info.mainWindow);
    t.SetU32(table::CaptureWindow, info.mainWindow);
    t.SetByte(table::KeyEntryOn, 0);
    t.SetByte(table::CaptureWindowOn, 0);
    hooks.ZynUpWindow2(t);
    t.SetFrontProgram("");
    hooks.ZynUpProg(t);
    t.SetByte(table::CaptureOn, 0);
    hooks.ZynUpCaptureOn(t);
    for (size_t offset = table::WaitClick; offset <= table::WaitDrain; ++offset)
        t.SetByte(offset, 0);
    hooks.ZynUpWaits(t);
    for (size_t j = 1; j <= kMaxProgNames; ++j) t.SetProgName(j, "");
    t.SetProgCount(0);
    hooks.ZynUpProgs(t);

    SetHotKeys(t, hooks);
    handles.keyboard = hooks.ZynHookKeyboard();
    t.SetU32(table::KeyboardHook, handles.keyboard);
    handles.mouse = hooks.ZynHookMouse();
    t.SetU32(table::MouseHook, handles.mouse);
    hooks.ZynUpKeyHook(t);
    hooks.ZynUpMouseHook(t);
    return handles;
}

void StopHooks(const HookHandles& handles, HookLibrary& hooks) {
    hooks.ZynUnHook(handles.keyboard);
    hooks.ZynUnHook(handles.mouse);
    if (handles.swap != 0) hooks.ZynUnHook(handles.swap);
    hooks.ZynUnHook(handles.cbt);
}

}  // namespace tavrin
