#pragma once
#define kSetSoundDialog 13600
#define kSetSoundBeep 13601
#define kSetSoundWave 13602
#define kSetSoundPathEdit 13603
#define kSetSoundBrowse 13604
#define kSetSoundWait 13605
#define kSetSoundTest 13606
