#pragma once
#define kAudioCdDialog 13500
#define kAudioCdPlay 13501
#define kAudioCdStop 13502
#define kAudioCdPause 13503
#define kAudioCdNext 13504
#define kAudioCdPrevious 13505
#define kAudioCdGoto 13506
#define kAudioCdStep 13507
#define kAudioCdBack 13508
#define kAudioCdEject 13509
#define kAudioCdClose 13510
#define kAudioCdNumberLabel 13511
#define kAudioCdNumberEdit 13512
