#pragma once
#define kBuildMenuDialog 2100
#define kBuildNickname 2101
#define kBuildAvailable 2102
#define kBuildMembers 2103
#define kBuildAdd 2104
#define kBuildInsertBefore 2105
#define kBuildInsertAfter 2106
#define kBuildRemove 2107
#define kBuildUp 2108
#define kBuildDown 2109
#define kBuildInTray 2110
#define kBuildShowFirstPart 2111
#define kBuildShowIcons 2112
#define kBuildShowNickname 2113
#define kBuildIconSize 2114
#define kBuildIconButton 2115
