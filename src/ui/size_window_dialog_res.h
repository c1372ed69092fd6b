#pragma once
#define kSizeWindowDialog 12100
#define kSizeCurrent 12101
#define kSizeSpecific 12102
#define kSizeTitleLabel 12103
#define kSizeTitleNote 12104
#define kSizeTitle 12105
#define kSizeResize 12106
#define kSizePosition 12107
#define kSizeFirstLabel 12108
#define kSizeFirst 12109
#define kSizeSecondLabel 12110
#define kSizeSecond 12111
