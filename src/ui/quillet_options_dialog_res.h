#pragma once
#define kQuilletOptionsDialog 1400
#define kUsePrefixKeysCheck 1401
#define kPrefixKeysField 1402
#define kCaseSensitiveCheck 1403
#define kSolitaryUsageCheck 1404
