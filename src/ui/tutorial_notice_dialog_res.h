#pragma once
#define kTutorialNoticeDialog 2670
