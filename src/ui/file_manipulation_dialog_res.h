#pragma once
#define kFileManipulationDialog 13000
#define kFileManipulationChangeDir 13001
#define kFileManipulationCopy 13002
#define kFileManipulationRename 13003
#define kFileManipulationDelete 13004
#define kFileManipulationMakeDir 13005
#define kFileManipulationPathLabel 13006
#define kFileManipulationPathEdit 13007
#define kFileManipulationBrowse 13008
#define kFileManipulationNewNameLabel 13009
#define kFileManipulationNewNameEdit 13010
