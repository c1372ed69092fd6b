#pragma once
#define kDefaultPrinterDialog 14500
#define kDefaultPrinterList 14501
