#pragma once
#define kChooseMacroDialog 2000
#define kChooseHint 2001
#define kChooseFirstList 2002
#define kChooseSecondList 2003
#define kChooseIconButton1 2010 /* .. kChooseIconButton1 + 35 */
