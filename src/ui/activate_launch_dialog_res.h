#pragma once
#define kActivateLaunchDialog 12000
#define kActLaunchActivateOnly 12001
#define kActLaunchLaunchOnly 12002
#define kActLaunchBoth 12003
#define kActLaunchEither 12004
#define kActLaunchTitleLabel 12005
#define kActLaunchTitleNote 12006
#define kActLaunchTitle 12007
#define kActLaunchProgramLabel 12008
#define kActLaunchProgram 12009
#define kActLaunchBrowse 12010
#define kActLaunchParametersLabel 12011
#define kActLaunchParameters 12012
#define kActLaunchDelayLabel 12013
#define kActLaunchDelay 12014
#define kActLaunchNote 12015
