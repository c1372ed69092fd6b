#pragma once
// Command identifiers of the main window's menu; plain defines, so that the
// resource compiler reads them too.
#define kMenuNewFile 100
#define kMenuOpenFile 101
#define kMenuLastFile1 111 /* .. kMenuLastFile1 + 4 */
#define kMenuLastFileSeparator 119
#define kMenuHide 120
#define kMenuTerminate 121
#define kMenuShowDate 130
#define kMenuDisableSaver 131
#define kMenuKeyHooks 140
#define kMenuMouseHooks 141
#define kMenuQuillets 142
#define kMenuActivate 150
