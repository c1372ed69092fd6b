#pragma once
#define kSpeedDialog 11200
#define kKeyboardSpeedRadio 11201
#define kMouseSpeedRadio 11202
#define kMacroSpeedRadio 11203
#define kSpeedLabel 11204
#define kSpeedEdit 11205
