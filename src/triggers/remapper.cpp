#include "triggers/remapper.h"

#include "store/remap_file.h"

namespace tavrin {

namespace {

constexpr const char* kError = "Error";

}  // namespace

Remapper::Remapper(Files& files, HookLibrary& hooks, UserMessages& messages, RemapBlock& block)
    : files_(files), hooks_(hooks), messages_(messages), block_(block),
      tables_(DefaultRemapTables()) {}

void Remapper::OpenFor(const std::string& macroFile) {
    path_ = RemapFilePath(macroFile);
    RemapTables read{};
    switch (ReadRemapFile(files_, path_, read)) {
        case RemapFileRead::Loaded:
            tables_ = read;
            break;
        case RemapFileRead::Missing:
            tables_ = DefaultRemapTables();
            Save();
            break;
        case RemapFileRead::WrongSize:
            tables_ = DefaultRemapTables();
            messages_.ShowMessage(kError, "The keyboard remap file " + path_ +
                                              " is not 93 bytes long.  The standard keys are "
                                              "used, and the file is left as it is until a key "
                                              "is remapped.");
            break;
        case RemapFileRead::Unreadable:
            tables_ = DefaultRemapTables();
            messages_.ShowMessage(kError, "The keyboard remap file " + path_ +
                                              " could not be read.  The standard keys are used.");
            break;
    }
    Publish();
    FollowTables();
}

void Remapper::Change(const RemapTables& tables) {
    tables_ = tables;
    Save();
    Publish();
    FollowTables();
}

void Remapper::Reinstall() {
    if (hook_ == 0) return;
    hooks_.ZynUnHook(hook_);
    hook_ = 0;
    Install();
}

void Remapper::Remove() {
    if (hook_ != 0) hooks_.ZynUnHook(hook_);
    hook_ = 0;
    block_.PutHook(0);
}

void Remapper::Publish() { block_.PutTables(tables_); }

void Remapper::FollowTables() {
    const bool inUse = RemapsInUse(tables_);
    if (inUse && hook_ == 0) Install();
    if (!inUse && hook_ != 0) Remove();
}

void Remapper::Install() {
    hook_ = hooks_.ZynHookSwap();
    block_.PutHook(hook_);
    if (hook_ == 0)
        messages_.ShowMessage("System Error",
                              "The keyboard remap hook could not be installed.  Remapped keys "
                              "type their own characters.");
}

void Remapper::Save() {
    if (!WriteRemapFile(files_, path_, tables_))
        messages_.ShowMessage(kError, "The keyboard remap file " + path_ +
                                          " could not be written.  The remapped keys will be "
                                          "lost when the program ends.");
}

}  // namespace tavrin
