#include "forms/command_fields.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "language/ansi_text.h"
#include "language/tag_recogniser.h"
#include "language/tag_writer.h"
#include "platform/file_system.h"

namespace tavrin {

std::string FieldText(const std::string& text) { return Trim(text); }

bool WholeNumber(const std::string& text, int& value) {
    const std::string t = Trim(text);
    size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    if (i == t.size()) return false;
    long long n = 0;
    for (size_t k = i; k < t.size(); ++k) {
        if (t[k] < '0' || t[k] > '9') return false;
        n = n * 10 + (t[k] - '0');
        if (n > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (t[0] == '-') n = -n;
    if (n > INT_MAX || n < INT_MIN) return false;
    value = static_cast<int>(n);
    return true;
}

int NumberOrZero(const std::string& text) {
    int value = 0;
    return WholeNumber(text, value) ? value : 0;
}

bool RealNumber(const std::string& text, double& value) {
    const std::string t = Trim(text);
    size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
    bool digits = false;
    bool point = false;
    for (size_t k = i; k < t.size(); ++k) {
        if (t[k] >= '0' && t[k] <= '9') {
            digits = true;
        } else if (t[k] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (!digits) return false;
    // strtod would follow the C locale's point, which is "." here.
    errno = 0;
    value = std::strtod(t.c_str(), nullptr);
    return errno == 0;
}

std::string NumberText(int value) { return std::to_string(value); }

std::string RealText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string ExistingFile(FileSystem& files, const std::string& path) {
    const std::string typed = Trim(path);
    if (typed.empty() || !files.FileExists(typed)) return "";
    return files.ShortPath(typed);
}

std::string ExistingFolder(FileSystem& files, const std::string& path) {
    const std::string typed = Trim(path);
    const std::string shortPath = typed.empty() ? "" : files.ShortPath(typed);
    return !shortPath.empty() && files.FolderExists(shortPath) ? shortPath : "";
}

int ListLine(const std::vector<std::string>& lines, const std::string& name) {
    if (name.empty()) return lines.empty() ? -1 : 0;
    for (size_t k = 0; k < lines.size(); ++k)
        if (lines[k] == name) return static_cast<int>(k);
    return -1;
}

int ChoiceOfTag(const TagChoice* choices, size_t count, const TagMatch& match) {
    for (size_t k = 0; k < count; ++k)
        if (choices[k].Kind == match.Kind && choices[k].Index == match.Index)
            return static_cast<int>(k) + 1;
    return 0;
}

std::string TagOfChoice(const TagChoice* choices, size_t count, int kind) {
    if (kind < 1 || static_cast<size_t>(kind) > count) return "";
    return WriteTag(choices[kind - 1].Kind, choices[kind - 1].Index, {});
}

}  // namespace tavrin
