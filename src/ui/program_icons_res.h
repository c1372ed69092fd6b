#pragma once
/* The program's icons; plain defines, read by the resource compiler too.
   The program's own icon is resource 1, the first icon of the file, which
   desktop links show. */
#define kProgramIcon 1
#define kRunningIcon 2601
#define kRecordingIcon 2602
#define kMenuIcon 2603
