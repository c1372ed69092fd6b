#pragma once
#define kKeysUpDownDialog 11000
#define kCtrlDownRadio 11001
#define kCtrlUpRadio 11002
#define kAltDownRadio 11003
#define kAltUpRadio 11004
#define kShiftDownRadio 11005
#define kShiftUpRadio 11006
#define kWinDownRadio 11007
#define kWinUpRadio 11008
