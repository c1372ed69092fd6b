#pragma once
// The keyboard remapper of the current macro file: its remap file, the
// tables in the remap block, and the remap hook, installed while a table is
// in use.
#include <cstdint>
#include <string>

#include "base/remap_tables.h"
#include "platform/files.h"
#include "platform/hook_library.h"
#include "platform/remap_block.h"
#include "platform/user_messages.h"

namespace tavrin {

class Remapper {
public:
    Remapper(Files& files, HookLibrary& hooks, UserMessages& messages, RemapBlock& block);

    // After a macro file is opened (and at start-up): reads its remap file
    // into the block, and installs or removes the remap hook as the tables
    // need. A missing file is created with the standard keys; a file that
    // cannot be read, or is not a remap file, is reported and the standard
    // keys are used, without writing over it.
    void OpenFor(const std::string& macroFile);
    const RemapTables& Tables() const { return tables_; }
    const std::string& Path() const { return path_; }
    bool HookInstalled() const { return hook_ != 0; }

    // The remapper dialog changed the tables: they are written to the remap
    // file and take effect, the hook following whether any is in use.
    void Change(const RemapTables& tables);
    // "Restore Keyboard Hooks": the remap hook, when installed, again.
    void Reinstall();
    // Shutdown.
    void Remove();

private:
    void Publish();
    void FollowTables();
    void Install();
    void Save();

    Files& files_;
    HookLibrary& hooks_;
    UserMessages& messages_;
    RemapBlock& block_;
    std::string path_;
    RemapTables tables_;
    uint32_t hook_ = 0;
};

}  // namespace tavrin
