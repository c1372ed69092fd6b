#pragma once
#define kPauseDialog 1100
#define kPauseTitleLabel 1101
#define kPauseNicknameLabel 1102
#define kPauseMessageLabel 1103
