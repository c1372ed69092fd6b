#pragma once
#define kSetScopeDialog 12600
#define kScopeNameLabel 12601
#define kScopeName 12602
#define kScopeListLabel 12603
#define kScopeListNote 12604
#define kScopeList 12605
#define kScopeOnTop 12606
#define kScopeRunning 12607
#define kScopeInstalled 12608
