#pragma once
#define kVideoClipDialog 2900
