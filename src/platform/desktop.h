#pragma once
// The windows and programs on the desktop, as macros find, start and arrange
// them. Windows are opaque 64-bit ids; 0 is no window.
#include <cstdint>
#include <string>
#include <vector>

namespace tavrin {

using WindowId = uint64_t;

struct RunningProcess {
    uint32_t id = 0;
    std::string moduleName;  // base name of its first module, as the system gives it
};

class Desktop {
public:
    virtual ~Desktop() = default;
    virtual WindowId Foreground() = 0;
    // The top-level window whose title equals title, as the system compares.
    virtual WindowId FindExact(const std::string& title) = 0;
    // All top-level windows, visible or not, in the system's order.
    virtual std::vector<WindowId> TopLevelWindows() = 0;
    // At most 255 characters.
    virtual std::string Title(WindowId w) = 0;
    virtual uint32_t ProcessOf(WindowId w) = 0;
    virtual std::vector<RunningProcess> Processes() = 0;

    // Restores a minimised window and brings it to the front.
    virtual void Activate(WindowId w) = 0;
    // WM_SYSCOMMAND, sent and waited for.
    virtual void SystemCommand(WindowId w, unsigned command) = 0;
    virtual void PostQuit(WindowId w) = 0;
    virtual void Show(WindowId w, bool visible) = 0;
    virtual void Resize(WindowId w, int width, int height) = 0;
    virtual void Move(WindowId w, int left, int top) = 0;
    // ShellExecute "open": its result code (above 32 is success).
    virtual int Open(const std::string& program, const std::string& parameters) = 0;
    // ShellExecute with the default verb, owned like Open; the result is
    // ignored.
    virtual void OpenAddress(const std::string& address) = 0;
    // ShellExecute "explore" with no owner; the result is ignored.
    virtual void Explore(const std::string& folder) = 0;
};

// System commands of the window tags.
namespace syscommand {
constexpr unsigned kMinimize = 61472;
constexpr unsigned kMaximize = 61488;
constexpr unsigned kClose = 61536;
constexpr unsigned kRestore = 61728;
}  // namespace syscommand

}  // namespace tavrin
