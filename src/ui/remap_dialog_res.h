#pragma once
#define kRemapDialog 2300
#define kRemapUpperLabel 2301
#define kRemapUpperList 2302
#define kRemapLowerLabel 2303
#define kRemapLowerList 2304
#define kRemapPunctuationLabel 2305
#define kRemapPunctuationList 2306
#define kRemapNumericLabel 2307
#define kRemapNumericList 2308
#define kSelectCharacterDialog 2350
#define kSelectCharacterGrid 2351
