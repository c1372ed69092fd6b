#pragma once
#define kPreferenceDialog 1500
#define kShowInTaskbarRadio 1501
#define kShowInTrayRadio 1502
#define kCompletelyHideRadio 1503
#define kCloseButtonHidesCheck 1504
