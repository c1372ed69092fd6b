#pragma once
#define kEnterKeystrokesDialog 15400
#define kEnterKeystrokesMenu 15401
#define kKeystrokesMemo 15402
#define kKeystrokesMiscList 15403
#define kKeystrokesMiscOk 15404
#define kKeystrokesSymbols 15405
#define kKeystrokesCut 15410
#define kKeystrokesCopy 15411
#define kKeystrokesPaste 15412
#define kKeystrokesDelete 15413
#define kKeystrokesFind 15414
#define kKeystrokesFindAgain 15415
#define kKeystrokesReplace 15416
/* The key buttons and their menu items: one id each from here on. */
#define kKeystrokesFirstKey 15420
