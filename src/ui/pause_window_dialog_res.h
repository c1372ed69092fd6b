#pragma once
#define kPauseWindowDialog 11500
#define kBasicPauseRadio 11501
#define kComplexPauseRadio 11502
#define kPauseLocationGroup 11503
#define kPauseTopLabel 11504
#define kPauseTopEdit 11505
#define kPauseLeftLabel 11506
#define kPauseLeftEdit 11507
#define kPauseWindowMessageLabel 11508
#define kPauseWindowMessageEdit 11509
