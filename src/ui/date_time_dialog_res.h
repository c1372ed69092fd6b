#pragma once
#define kDateTimeDialog 15000
#define kDateTimeHeading 15001
#define kDateTimeList 15002
#define kDateTimeNoZeros 15003
#define kDateTimeSetDate 15004
#define kDateTimeDays 15005
#define kDateTimeDaysInto 15006
#define kDateTimeFuture 15007
#define kDateTimePast 15008
