#include "triggers/front_program.h"

namespace tavrin {

std::string ProgramOfWindow(Desktop& desktop, WindowId window) {
    const uint32_t process = desktop.ProcessOf(window);
    for (const RunningProcess& p : desktop.Processes()) {
        if (p.id == process) return p.moduleName;
    }
    return "";
}

}  // namespace tavrin
