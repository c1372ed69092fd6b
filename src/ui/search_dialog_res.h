#pragma once
#define kSearchDialog 15300
#define kSearchFindLabel 15301
#define kSearchFind 15302
#define kSearchReplaceLabel 15303
#define kSearchReplace 15304
