#pragma once
#define kLoadTextFileDialog 13700
#define kLoadTextFilePathEdit 13701
#define kLoadTextFileBrowse 13702
#define kLoadTextFileNotepad 13703
