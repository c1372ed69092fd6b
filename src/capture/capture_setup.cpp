#include "capture/capture_setup.h"

#include "language/tag_table.h"
#include "store/hot_key_codes.h"

namespace tavrin {
namespace {

namespace t = table;

// The stop key fields: button, key, Ctrl, Alt, Shift, Win from offset.
void PutStopKey(MacroTable& m, size_t offset, const StopKey& k) {
    m.SetU16(offset, k.button);
    m.SetU16(offset + 2, k.virtualKey);
    m.SetByte(offset + 4, k.ctrl);
    m.SetByte(offset + 5, k.alt);
    m.SetByte(offset + 6, k.shift);
    m.SetByte(offset + 7, k.win);
}

StopKey GetStopKey(const MacroTable& m, size_t offset) {
    StopKey k;
    k.button = m.U16(offset);
    k.virtualKey = m.U16(offset + 2);
    k.ctrl = m.Byte(offset + 4) != 0;
    k.alt = m.Byte(offset + 5) != 0;
    k.shift = m.Byte(offset + 6) != 0;
    k.win = m.Byte(offset + 7) != 0;
    return k;
}

}  // namespace

StopKey StopKeyOf(uint16_t hotKeyCode) {
    const DecodedHotKey d = DecipherKey(hotKeyCode);
    StopKey k;
    k.button = d.MouseButton;
    k.virtualKey = d.VirtualKey;
    k.ctrl = d.Ctrl;
    k.alt = d.Alt;
    k.shift = d.Shift;
    k.win = d.Win;
    return k;
}

bool IsStopKey(const StopKey& stop, uint16_t virtualKey, uint16_t button, bool ctrl, bool alt,
               bool shift, bool win) {
    if (stop.virtualKey == 0 && stop.button == 0) return false;
    return stop.virtualKey == virtualKey && stop.button == button && stop.ctrl == ctrl &&
           stop.alt == alt && stop.shift == shift && stop.win == win;
}

void WriteCaptureSetup(MacroTable& m, const CaptureSetup& s) {
    const CaptureOptions& o = s.options;
    m.SetU16(t::CaptureMacro, s.macro);
    m.SetByte(t::Reserved741, 0);
    m.SetByte(t::CaptureDoubleAlt, o.doubleAlt);
    PutStopKey(m, t::StopKeyButton, s.stop);
    m.SetByte(t::Reserved771, 0);
    m.SetByte(t::AltStopOn, s.altStopOn);
    PutStopKey(m, t::AltStopButton, s.altStopOn ? s.altStop : StopKey{});
    m.SetByte(t::Reserved781, 0);
    const bool size = o.mouse && o.relative == CaptureRelative::Window && o.windowSize;
    m.SetByte(t::CaptureSize, size);
    m.SetByte(t::CaptureSize2, size);
    m.SetByte(t::CaptureKeys, o.keys);
    m.SetByte(t::CaptureMouse, o.mouse);
    m.SetByte(t::CaptureClicksOnly, o.clicksOnly);
    m.SetByte(t::CaptureRelative, static_cast<uint8_t>(o.relative));
    m.SetByte(t::CaptureTime, o.time);
    m.SetByte(t::CaptureStarting, 1);
}

CaptureSetup ReadCaptureSetup(const MacroTable& m) {
    CaptureSetup s;
    s.macro = m.U16(t::CaptureMacro);
    CaptureOptions& o = s.options;
    o.doubleAlt = m.Byte(t::CaptureDoubleAlt) != 0;
    o.keys = m.Byte(t::CaptureKeys) != 0;
    o.mouse = m.Byte(t::CaptureMouse) != 0;
    o.clicksOnly = m.Byte(t::CaptureClicksOnly) != 0;
    const uint8_t relative = m.Byte(t::CaptureRelative);
    o.relative = relative == 2   ? CaptureRelative::Window
                 : relative == 3 ? CaptureRelative::LastPosition
                                 : CaptureRelative::Screen;
    o.time = m.Byte(t::CaptureTime) != 0;
    o.windowSize = m.Byte(t::CaptureSize) != 0 && o.relative == CaptureRelative::Window;
    s.stop = GetStopKey(m, t::StopKeyButton);
    s.altStopOn = m.Byte(t::AltStopOn) != 0;
    if (s.altStopOn) s.altStop = GetStopKey(m, t::AltStopButton);
    return s;
}

std::string CaptureSpeedTag(int speed) {
    // The factor as the real field of "<SPEED:" holds it for each speed.
    static const char* const kFactors[] = {"00001", "00002", "00.50", "00.25"};
    if (speed < 1 || speed > 4) return "";
    return FindTagPattern(TagKind::Speed)->Keyword + kFactors[speed - 1] + ">";
}

}  // namespace tavrin
