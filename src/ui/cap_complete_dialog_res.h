#pragma once
#define kCapCompleteDialog 1700
#define kCapNicknameField 1701
#define kCapHotKeysRadio 1702
#define kCapQuilletsRadio 1703
#define kCapNoneRadio 1704
#define kCapGlobalRadio 1705
#define kCapProgramRadio 1706
#define kCapHotKeyField 1707
#define kCapHotKeyList 1708
#define kCapQuilletField 1709
