#pragma once
#define kDialUpDialog 14700
#define kDialUpDial 14701
#define kDialUpHangUp 14702
#define kDialUpEntriesLabel 14710
#define kDialUpEntries 14711
#define kDialUpUserLabel 14712
#define kDialUpUser 14713
#define kDialUpPasswordLabel 14714
#define kDialUpPassword 14715
#define kDialUpRetrieve 14716
