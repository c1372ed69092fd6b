#pragma once
/* The main window's pictures, controls, tray menu and notice; plain
   defines, read by the resource compiler too. */
#include "ui/program_icons_res.h"

#define kSpeedBitmap 2604  /* 16 glyphs of 16 x 16, in toolbar order */
#define kWizardBitmap 2605 /* 27 pictures of 16 x 16, wizard 1 first */

#define kMacroListControl 2610
#define kPagesControl 2611
#define kSpeedBarControl 2612
#define kPanelHeading1 2613 /* .. kPanelHeading1 + 2 */
#define kWizardButton1 2630 /* wizard n is kWizardButton1 + n - 1, up to 27 */

#define kTrayOpen 2660
#define kTrayHelp 2661
#define kTrayTerminate 2662

