#pragma once
// The shell's desktop functions: its automation object, the task bar and
// the arrangement of the desktop's windows.
namespace tavrin {

// Functions of the shell automation object (IShellDispatch).
enum class ShellFunction {
    MinimizeAll,
    UndoMinimizeAll,
    Suspend,
    EjectPC,
    SetTime,
    FindComputer,
    FindFiles,
    FileRun,
};

class ShellDesktop {
public:
    virtual ~ShellDesktop() = default;
    // The automation object comes with the system (checked once at start).
    virtual bool AutomationUsable() = 0;
    // Calls the function; false when the object could not be made or the
    // call failed.
    virtual bool Call(ShellFunction function) = 0;
    // Opens the shell's special folder (a CSIDL number) in an Explorer
    // window; false as for Call.
    virtual bool ExploreSpecialFolder(int folder) = 0;
    // Hides the task bar, or shows it again where it was; nothing when there
    // is none.
    virtual void ShowTaskBar(bool visible) = 0;
    virtual void CascadeWindows() = 0;
    virtual void TileWindows(bool horizontally) = 0;
};

}  // namespace tavrin
