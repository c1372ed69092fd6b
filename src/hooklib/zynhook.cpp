// The exported operations: the ZynUp calls copy their fields of the table,
// the ZynHook calls go to the hook thread.
#include "hooklib/zynhook.h"

#include "hooklib/hook_thread.h"
#include "hooklib/table_copy.h"
#include "store/macro_record.h"

namespace {

using tavrin::HookKind;
using tavrin::TableSpan;
namespace t = tavrin::table;

tavrin::TableCopy g_table;
tavrin::HookThread g_hooks(g_table);

void Copy(const uint8_t* table, std::initializer_list<TableSpan> spans) {
    g_table.Copy(table, spans);
}

}  // namespace

extern "C" {

uint32_t ZynHookKeyboard(void) { return g_hooks.Install(HookKind::Keyboard); }
uint32_t ZynHookMouse(void) { return g_hooks.Install(HookKind::Mouse); }
uint32_t ZynHookCBT(void) { return g_hooks.Install(HookKind::Window); }
uint32_t ZynHookSwap(void) { return g_hooks.Install(HookKind::Remap); }
int ZynUnHook(uint32_t handle) { return g_hooks.Remove(handle) ? 1 : 0; }

// Reserved4; Reserved14320 and IsNT; ButtonsSwapped.
void ZynUpInit(const uint8_t* table) {
    Copy(table, {{t::Reserved4, 1}, {t::Reserved14320, 2}, {t::ButtonsSwapped, 1}});
}
void ZynUpWindow(const uint8_t* table) { Copy(table, {{t::MainWindow, 4}}); }
// KeyEntryWindow, KeyEntryOn, CaptureWindow, CaptureWindowOn.
void ZynUpWindow2(const uint8_t* table) {
    Copy(table, {{t::KeyEntryWindow, t::CaptureWindowOn + 1 - t::KeyEntryWindow}});
}
void ZynUpKeys(const uint8_t* table) {
    Copy(table, {{t::HotKeyUsed, tavrin::kHotKeyCodes}, {t::HasQuillets, 1}});
}
void ZynUpNumKeys(const uint8_t* table) { Copy(table, {{t::MacroCount, 4}}); }
void ZynUpItem(const uint8_t* table, int n) {
    const size_t i = static_cast<uint16_t>(n);
    if (i < 1 || i > tavrin::kMaxMacros) return;
    Copy(table, {{t::ScopeOf + 2 * i, 2},
                 {t::ScopeNameOf + 21 * i, 21},
                 {t::ActiveOf + i, 1},
                 {t::HotKeyOf + 2 * i, 2},
                 {t::TopMostOf + i, 1}});
}
void ZynUpInUse(const uint8_t* table) { Copy(table, {{t::InUse, 1}}); }
// The capture options and both stop keys.
void ZynUpCapture(const uint8_t* table) {
    Copy(table, {{t::CaptureMacro, t::CaptureDoubleAlt + 1 - t::CaptureMacro},
                 {t::StopKeyButton, t::CaptureSize + 1 - t::StopKeyButton},
                 {t::CaptureKeys, t::CaptureTime + 1 - t::CaptureKeys},
                 {t::CaptureStarting, 2},
                 {t::ButtonsSwapped, 1}});
    g_table.CountCaptureSetup();
}
void ZynUpCaptureOn(const uint8_t* table) { Copy(table, {{t::CaptureOn, 1}}); }
void ZynUpIdle(const uint8_t* table) { Copy(table, {{t::IdleWatch, 1}}); }
// WaitClick, WaitKey, WaitText, WaitDrain.
void ZynUpWaits(const uint8_t* table) { Copy(table, {{t::WaitClick, 4}}); }
void ZynUpProg(const uint8_t* table) { Copy(table, {{t::FrontProgram, 251}}); }
// ProgCount and ProgNames[1 .. 200].
void ZynUpProgs(const uint8_t* table) {
    Copy(table, {{t::ProgCount, 4}, {t::ProgNames + 26, 26 * tavrin::kMaxProgNames}});
}
void ZynUpKeyHook(const uint8_t* table) { Copy(table, {{t::KeyboardHook, 4}}); }
void ZynUpMouseHook(const uint8_t* table) { Copy(table, {{t::MouseHook, 4}}); }

uint32_t ZynHeldModifiers(void) { return g_hooks.HeldKeys(); }

}  // extern "C"
