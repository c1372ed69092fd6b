#pragma once
#define kRemarkDialog 11300
#define kRemarkEdit 11301
