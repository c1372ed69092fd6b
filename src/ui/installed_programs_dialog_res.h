#pragma once
#define kInstalledProgramsDialog 12500
#define kInstalledNameHeading 12501
#define kInstalledExeHeading 12502
#define kInstalledList 12503
