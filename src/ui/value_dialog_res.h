#pragma once
#define kValueDialog 15100
#define kValueLabel 15101
#define kValueField 15102
#define kValueUnit 15103
