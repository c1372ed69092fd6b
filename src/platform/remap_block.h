#pragma once
// The shared remap block "ZYTT1KGR", through which the remap hook of the
// hook library reads the tables in force.
#include <cstdint>

#include "base/remap_tables.h"

namespace tavrin {

class RemapBlock {
public:
    virtual ~RemapBlock() = default;
    virtual void PutTables(const RemapTables& tables) = 0;
    virtual void PutHook(uint32_t handle) = 0;
};

}  // namespace tavrin
