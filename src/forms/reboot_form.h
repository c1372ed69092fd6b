#pragma once
// "Reboot or Shut Down": logging off, rebooting, shutting down or powering
// off, one tag each.
#include "forms/command_fields.h"

namespace tavrin {

struct TagMatch;

struct RebootValues {
    int Kind = 0;  // 1 log off, 2 reboot, 3 shut down, 4 power off
};

struct RebootFields {
    int Kind = 0;  // the checked choice; 0 for none
};

// A new command opens on "&Logoff".
RebootFields NewRebootFields();
RebootFields RebootFieldsOf(const RebootValues& values);
RebootValues RebootValuesOf(const TagMatch& match);
CommandAnswer<RebootValues> AcceptReboot(const RebootFields& fields);

}  // namespace tavrin
