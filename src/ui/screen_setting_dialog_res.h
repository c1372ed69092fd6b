#pragma once
#define kScreenSettingDialog 14400
#define kScreenSettingList 14401
