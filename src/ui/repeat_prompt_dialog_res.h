#pragma once
#define kRepeatPromptDialog 1200
#define kRepeatCountField 1201
