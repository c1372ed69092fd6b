#pragma once
#define kWebAddressDialog 13200
#define kWebAddressLabel 13201
#define kWebAddressEdit 13202
