#pragma once
#define kCaptureDefaultsDialog 1900
#define kDefKeysCheck 1901
#define kDefDoubleAltCheck 1902
#define kDefMouseCheck 1903
#define kDefScreenRadio 1904
#define kDefWindowRadio 1905
#define kDefPositionRadio 1906
#define kDefClicksOnlyCheck 1907
#define kDefWindowSizeCheck 1908
#define kDefTimeCheck 1909
#define kDefActualRadio 1910
#define kDefHalfRadio 1911
#define kDefDoubleRadio 1912
#define kDefQuadrupleRadio 1913
#define kDefPromptCheck 1914
#define kDefGlobalRadio 1915
#define kDefProgramRadio 1916
