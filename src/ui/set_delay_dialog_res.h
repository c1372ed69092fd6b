#pragma once
#define kSetDelayDialog 10100
#define kDelaySecondsRadio 10101
#define kDelayMsRadio 10102
#define kDelaySecondsEdit 10103
#define kDelayMsEdit 10104
