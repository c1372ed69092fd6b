#pragma once
#define kAppearDialog 1600
#define kColumn1WidthField 1601 /* .. kColumn1WidthField + 2 */
#define kGridFontButton 1604
#define kGridTitleFontButton 1605
#define kSpeedButtonsRadio 1606
#define kLetteredButtonsRadio 1607
#define kShowIconsCheck 1608
