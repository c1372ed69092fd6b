#pragma once
#define kPlayVideoDialog 13400
#define kPlayVideoPathEdit 13401
#define kPlayVideoBrowse 13402
#define kPlayVideoNow 13403
#define kPlayVideoNowAndClose 13404
#define kPlayVideoWait 13405
