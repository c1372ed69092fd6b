#pragma once
#define kRebootDialog 14000
#define kRebootLogoff 14001
#define kRebootReboot 14002
#define kRebootShutDown 14003
#define kRebootPowerOff 14004
