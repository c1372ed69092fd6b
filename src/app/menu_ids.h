#pragma once
// Command identifiers of the main window's menu; plain defines, so that the
// resource compiler reads them too.
#define kMenuNewFile 100
#define kMenuOpenFile 101
#define kMenuOutputInfo 102
#define kMenuPrintList 103
#define kMenuPrinterFont 104
#define kMenuPrinterSetup 105
#define kMenuLastFile1 111 /* .. kMenuLastFile1 + 4 */
#define kMenuLastFileSeparator 119
#define kMenuHide 120
#define kMenuTerminate 121
#define kMenuShowDate 130
#define kMenuDisableSaver 131
#define kMenuAlarm 132
#define kMenuTimerInterval 133
#define kMenuKeyHooks 140
#define kMenuMouseHooks 141
#define kMenuQuillets 142
#define kMenuAppearance 143
#define kMenuNetwork 144
#define kMenuCapture 145
#define kMenuSettings 146
#define kMenuMouseLocator 147
#define kMenuRemap 148
#define kMenuAddMacro 150
#define kMenuCopyMacro 151
#define kMenuScripting 152
#define kMenuModifyDirectly 153
#define kMenuRecapture 154
#define kMenuRename 155
#define kMenuActivate 156
#define kMenuRemove 157
#define kMenuOnDesktop 158
#define kMenuQuickInfo 159
#define kMenuImport 160
#define kMenuExport 161
#define kMenuSort 162
#define kMenuContents 170
#define kMenuTutorial 171
#define kMenuFirstTime 172
#define kMenuAbout 173
#define kMenuWizard1 200 /* wizard n is kMenuWizard1 + n - 1, up to 27 */
