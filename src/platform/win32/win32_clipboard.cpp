#include "platform/win32/win32_clipboard.h"

#include <windows.h>

#include <cstring>

namespace tavrin {

namespace {

// Another program may hold the clipboard for a moment.
constexpr int kOpenTries = 5;
constexpr DWORD kOpenRetryMs = 20;

bool OpenWithRetry() {
    for (int i = 0; i < kOpenTries; ++i) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(kOpenRetryMs);
    }
    return false;
}

// Hands data (movable global memory) to the clipboard in the format; frees
// it when the clipboard does not take it.
bool Put(UINT format, HGLOBAL data) {
    if (!data) return false;
    if (!OpenWithRetry()) {
        GlobalFree(data);
        return false;
    }
    const bool put = EmptyClipboard() && SetClipboardData(format, data);
    CloseClipboard();
    if (!put) GlobalFree(data);
    return put;
}

HGLOBAL TextMemory(const std::string& text) {
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!data) return nullptr;
    char* p = static_cast<char*>(GlobalLock(data));
    std::memcpy(p, text.c_str(), text.size() + 1);
    GlobalUnlock(data);
    return data;
}

// A packed DIB (header, masks, colour table, bits) of a DIB section.
HGLOBAL DibMemory(HBITMAP bitmap) {
    DIBSECTION ds;
    if (GetObjectA(bitmap, sizeof ds, &ds) != sizeof ds || !ds.dsBm.bmBits) return nullptr;
    BITMAPINFOHEADER header = ds.dsBmih;
    const DWORD stride = ((header.biWidth * header.biBitCount + 31) / 32) * 4;
    const DWORD rows = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    header.biSizeImage = stride * rows;
    // Only pictures of up to 8 bits a pixel have a palette.
    const DWORD colours =
        header.biBitCount > 8 ? 0 : header.biClrUsed ? header.biClrUsed : 1u << header.biBitCount;
    header.biClrUsed = colours;
    const DWORD masks = header.biCompression == BI_BITFIELDS ? sizeof ds.dsBitfields : 0;
    const SIZE_T size = sizeof header + masks + colours * sizeof(RGBQUAD) + header.biSizeImage;

    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!data) return nullptr;
    BYTE* p = static_cast<BYTE*>(GlobalLock(data));
    std::memcpy(p, &header, sizeof header);
    p += sizeof header;
    std::memcpy(p, ds.dsBitfields, masks);
    p += masks;
    if (colours) {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        GetDIBColorTable(dc, 0, colours, reinterpret_cast<RGBQUAD*>(p));
        SelectObject(dc, old);
        DeleteDC(dc);
        p += colours * sizeof(RGBQUAD);
    }
    std::memcpy(p, ds.dsBm.bmBits, header.biSizeImage);
    GlobalUnlock(data);
    return data;
}

}  // namespace

bool Win32Clipboard::SetText(const std::string& text) { return Put(CF_TEXT, TextMemory(text)); }

std::string Win32Clipboard::GetText() {
    if (!OpenWithRetry()) return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(data))) {
            text.assign(p, strnlen(p, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool Win32Clipboard::SetBitmapFile(const std::string& path) {
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                     LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap) return false;
    HGLOBAL data = DibMemory(bitmap);
    DeleteObject(bitmap);
    return Put(CF_DIB, data);
}

}  // namespace tavrin
