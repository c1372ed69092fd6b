#pragma once
#define kInsertSymbolDialog 15200
#define kInsertSymbolGrid 15201
#define kInsertSymbolAltKeypad 15202
