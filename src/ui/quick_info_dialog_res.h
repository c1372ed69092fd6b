#pragma once
#define kQuickInfoDialog 2500
#define kInfoLastModified 2501
#define kInfoIcon 2502
#define kInfoActivationLabel 2503
#define kInfoActivationValue 2504
#define kInfoNickname 2505
#define kInfoScope 2506
#define kInfoActive 2507
#define kInfoMacroTextLabel 2508
#define kInfoMacroText 2509
