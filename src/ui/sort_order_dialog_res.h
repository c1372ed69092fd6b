#pragma once
#define kSortOrderDialog 2400
#define kPrimarySortList 2401
#define kPrimaryUpButton 2402
#define kPrimaryDownButton 2403
#define kActivationSortList 2404
#define kActivationUpButton 2405
#define kActivationDownButton 2406
#define kScopeSortList 2407
#define kScopeUpButton 2408
#define kScopeDownButton 2409
#define kSortHeaderCheck 2410
