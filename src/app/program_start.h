#pragma once
// The program's start once its main window exists, and its end as that
// window closes: the macro file, the blocks shared with the hook library,
// the hooks, the command line, and their release.
#include "app/app_context.h"
#include "app/kernel_objects.h"
#include "app/main_window.h"

namespace tavrin {

class ProgramStart {
public:
    // Ends the process with its message when a shared block cannot be made.
    void Run(AppContext& app, MainWindow& window);
    void Shutdown(AppContext& app, MainWindow& window);

private:
    SharedBlock windowHookBlock_;
};

}  // namespace tavrin
