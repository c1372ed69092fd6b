#pragma once
#define kTextBoxCommandDialog 11400
#define kBoxHeaderEdit 11401
#define kBoxContentEdit 11402
