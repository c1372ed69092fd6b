#pragma once
#define kSystemKeysDialog 2200
#define kSystemKeyField1 2201 /* .. kSystemKeyField1 + 3, one per system function */
#define kSystemMenuFirstPart 2210
#define kSystemMenuIcons 2211
#define kSystemMenuNickname 2212
