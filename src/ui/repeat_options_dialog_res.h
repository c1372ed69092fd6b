#pragma once
#define kRepeatOptionsDialog 10200
#define kRepeatStartRadio 10201
#define kRepeatPromptRadio 10202
#define kRepeatEndRadio 10203
#define kRepeatCounterRadio 10204
#define kRepeatCountLabel 10205
#define kRepeatCountEdit 10206
#define kRepeatStartLabel 10207
#define kRepeatStartEdit 10208
#define kRepeatStepLabel 10209
#define kRepeatStepEdit 10210
