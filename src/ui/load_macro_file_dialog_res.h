#pragma once
#define kLoadMacroFileDialog 12300
#define kMacroFileLabel 12301
#define kMacroFilePath 12302
#define kMacroFileBrowse 12303
