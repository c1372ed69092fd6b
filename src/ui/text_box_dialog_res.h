#pragma once
#define kTextBoxDialog 1300
#define kTextBoxText 1301
