#pragma once
// The macro table: the 19784-byte block of trigger data that the program
// publishes to the hook library. Its layout is shared with the library, so
// every field is read and written at its byte offset.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/bytes.h"

namespace tavrin {

constexpr size_t kMacroTableSize = 19784;
constexpr size_t kHotKeyCodes = 721;
constexpr size_t kMaxProgNames = 200;

namespace table {
enum Offset : size_t {
    MainWindow = 0,
    Reserved4 = 4,
    HotKeyUsed = 17,
    CaptureOn = 738,
    CaptureMacro = 739,
    Reserved741 = 741,
    CaptureDoubleAlt = 742,
    MouseHook = 745,
    KeyboardHook = 749,
    KeyEntryWindow = 753,
    KeyEntryOn = 757,
    CaptureWindow = 758,
    CaptureWindowOn = 762,
    StopKeyButton = 763,
    StopKeyCode = 765,
    StopKeyCtrl = 767,
    StopKeyAlt = 768,
    StopKeyShift = 769,
    StopKeyWin = 770,
    Reserved771 = 771,
    AltStopOn = 772,
    AltStopButton = 773,
    AltStopCode = 775,
    AltStopCtrl = 777,
    AltStopAlt = 778,
    AltStopShift = 779,
    AltStopWin = 780,
    Reserved781 = 781,
    CaptureSize = 782,
    InUse = 783,
    CaptureKeys = 785,
    CaptureMouse = 786,
    CaptureClicksOnly = 787,
    CaptureRelative = 788,
    CaptureTime = 789,
    CaptureStarting = 798,
    CaptureSize2 = 799,
    ScopeOf = 814,        // + 2i
    ScopeNameOf = 1795,   // + 21i, string[20]
    ActiveOf = 12315,     // + i
    HotKeyOf = 12814,     // + 2i
    TopMostOf = 13815,    // + i
    MacroCount = 14316,
    Reserved14320 = 14320,
    IsNT = 14321,
    HasQuillets = 14322,
    FrontProgram = 14323,  // string[250]
    ProgCount = 14574,
    ButtonsSwapped = 14578,
    IdleWatch = 14579,
    WaitClick = 14580,
    WaitKey = 14581,
    WaitText = 14582,
    WaitDrain = 14583,
    ProgNames = 14558,  // + 26j, string[25], j = 1..200
};
}  // namespace table

class MacroTable {
public:
    const uint8_t* data() const { return bytes_.data(); }
    uint8_t* data() { return bytes_.data(); }

    uint8_t Byte(size_t offset) const { return bytes_[offset]; }
    void SetByte(size_t offset, uint8_t v) { bytes_[offset] = v; }
    uint16_t U16(size_t offset) const { return GetU16(&bytes_[offset]); }
    void SetU16(size_t offset, uint16_t v) { PutU16(&bytes_[offset], v); }
    uint32_t U32(size_t offset) const { return GetU32(&bytes_[offset]); }
    void SetU32(size_t offset, uint32_t v) { PutU32(&bytes_[offset], v); }

    int32_t MacroCount() const { return GetI32(&bytes_[table::MacroCount]); }
    void SetMacroCount(int32_t n) { PutI32(&bytes_[table::MacroCount], n); }

    // Per-macro entries, i = 1 .. 500.
    int16_t ScopeOf(size_t i) const { return GetI16(&bytes_[table::ScopeOf + 2 * i]); }
    void SetScopeOf(size_t i, int16_t v) { PutI16(&bytes_[table::ScopeOf + 2 * i], v); }
    std::string ScopeNameOf(size_t i) const {
        return GetShortString(&bytes_[table::ScopeNameOf + 21 * i], 20);
    }
    void SetScopeNameOf(size_t i, const std::string& v) {
        PutShortString(&bytes_[table::ScopeNameOf + 21 * i], 20, v);
    }
    uint8_t ActiveOf(size_t i) const { return bytes_[table::ActiveOf + i]; }
    void SetActiveOf(size_t i, uint8_t v) { bytes_[table::ActiveOf + i] = v; }
    uint16_t HotKeyOf(size_t i) const { return GetU16(&bytes_[table::HotKeyOf + 2 * i]); }
    void SetHotKeyOf(size_t i, uint16_t v) { PutU16(&bytes_[table::HotKeyOf + 2 * i], v); }
    uint8_t TopMostOf(size_t i) const { return bytes_[table::TopMostOf + i]; }
    void SetTopMostOf(size_t i, uint8_t v) { bytes_[table::TopMostOf + i] = v; }

    uint8_t HotKeyUsed(size_t code) const { return bytes_[table::HotKeyUsed + code]; }
    void SetHotKeyUsed(size_t code, uint8_t v) { bytes_[table::HotKeyUsed + code] = v; }

    std::string FrontProgram() const { return GetShortString(&bytes_[table::FrontProgram], 250); }
    void SetFrontProgram(const std::string& v) {
        PutShortString(&bytes_[table::FrontProgram], 250, v);
    }
    int32_t ProgCount() const { return GetI32(&bytes_[table::ProgCount]); }
    void SetProgCount(int32_t n) { PutI32(&bytes_[table::ProgCount], n); }
    // j = 1 .. 200.
    std::string ProgName(size_t j) const {
        return GetShortString(&bytes_[table::ProgNames + 26 * j], 25);
    }
    void SetProgName(size_t j, const std::string& v) {
        PutShortString(&bytes_[table::ProgNames + 26 * j], 25, v);
    }

private:
    std::array<uint8_t, kMacroTableSize> bytes_{};
};

}  // namespace tavrin
