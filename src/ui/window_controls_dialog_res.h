#pragma once
#define kWindowControlsDialog 12200
#define kControlsCurrent 12201
#define kControlsSpecific 12202
#define kControlsTitleLabel 12203
#define kControlsTitleNote 12204
#define kControlsTitle 12205
#define kControlsMaximize 12206
#define kControlsMinimize 12207
#define kControlsRestore 12208
#define kControlsClose 12209
#define kControlsHide 12210
#define kControlsShow 12211
#define kControlsShutDown 12212
