#pragma once
// A scripted desktop: windows with titles and programs, one in front, and
// the programs a launch can start.
#include <map>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace tavrin {

class FakeDesktop : public Desktop {
public:
    struct Window {
        WindowId id;
        std::string title;
        uint32_t process;
    };
    std::vector<Window> windows;  // in enumeration order
    std::vector<RunningProcess> processes;
    WindowId front = 0;
    std::vector<std::string> actions;  // what was done, e.g. "activate 2"
    // Open answers this code; a successful open of a program listed here
    // shows that window.
    int openResult = 42;
    std::map<std::string, Window> opens;

    WindowId Add(const std::string& title, uint32_t process = 0) {
        WindowId id = windows.size() + 1;
        windows.push_back({id, title, process});
        return id;
    }

    WindowId Foreground() override { return front; }
    WindowId FindExact(const std::string& title) override {
        for (const Window& w : windows)
            if (w.title == title) return w.id;
        return 0;
    }
    std::vector<WindowId> TopLevelWindows() override {
        std::vector<WindowId> ids;
        for (const Window& w : windows) ids.push_back(w.id);
        return ids;
    }
    std::string Title(WindowId id) override { return Get(id).title; }
    uint32_t ProcessOf(WindowId id) override { return Get(id).process; }
    std::vector<RunningProcess> Processes() override { return processes; }
    void Activate(WindowId w) override {
        front = w;
        Do("activate " + std::to_string(w));
    }
    void SystemCommand(WindowId w, unsigned c) override {
        Do("syscommand " + std::to_string(w) + " " + std::to_string(c));
    }
    void PostQuit(WindowId w) override { Do("quit " + std::to_string(w)); }
    void Show(WindowId w, bool visible) override {
        Do(std::string(visible ? "show " : "hide ") + std::to_string(w));
    }
    void Resize(WindowId w, int width, int height) override {
        Do("size " + std::to_string(w) + " " + std::to_string(width) + "x" + std::to_string(height));
    }
    void Move(WindowId w, int left, int top) override {
        Do("move " + std::to_string(w) + " " + std::to_string(left) + "," + std::to_string(top));
    }
    int Open(const std::string& program, const std::string& parameters) override {
        Do("open " + program + "|" + parameters);
        auto it = opens.find(program);
        if (openResult > 32 && it != opens.end()) windows.push_back(it->second);
        return openResult;
    }
    void OpenAddress(const std::string& address) override { Do("address " + address); }
    void Explore(const std::string& folder) override { Do("explore " + folder); }

private:
    Window Get(WindowId id) {
        for (const Window& w : windows)
            if (w.id == id) return w;
        return {};
    }
    void Do(const std::string& a) { actions.push_back(a); }
};

}  // namespace tavrin
