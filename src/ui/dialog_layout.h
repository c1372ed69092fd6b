#pragma once
/* What every dialog template shares, read by the resource compiler: the
   frame, the font and the size of the push buttons, in dialog units. */
#define TAVRIN_DIALOG_STYLE DS_SHELLFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
#define TAVRIN_DIALOG_FONT FONT 8, "MS Shell Dlg"
#define TAVRIN_BUTTON_WIDTH 50
#define TAVRIN_BUTTON_HEIGHT 14
