#pragma once
// The remap block "ZYTT1KGR" as the program holds it: the shared mapping the
// remap hook of the hook library reads its tables from.
#include "app/kernel_objects.h"
#include "platform/remap_block.h"

namespace tavrin {

class SharedRemapBlock : public RemapBlock {
public:
    SharedBlock& Block() { return block_; }
    void PutTables(const RemapTables& tables) override {
        for (size_t i = 0; i < tables.size(); ++i) block_.PutByte(remap_block::kTables + i, tables[i]);
    }
    void PutHook(uint32_t handle) override { block_.PutU32(remap_block::kHook, handle); }

private:
    SharedBlock block_;
};

}  // namespace tavrin
