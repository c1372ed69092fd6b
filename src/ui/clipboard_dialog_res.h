#pragma once
#define kClipboardDialog 13100
#define kClipboardBegin 13101
#define kClipboardEnd 13102
#define kClipboardTextFile 13103
#define kClipboardCopy 13104
#define kClipboardPaste 13105
#define kClipboardBitmap 13106
#define kClipboardType 13107
#define kClipboardIgnoreLines 13108
#define kClipboardPathLabel 13109
#define kClipboardPathEdit 13110
#define kClipboardBrowse 13111
