#pragma once
#define kOpenExplorerDialog 13300
#define kOpenExplorerFolderEdit 13301
#define kOpenExplorerBrowse 13302
