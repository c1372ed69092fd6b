#include "startup/command_line.h"

namespace tavrin {

namespace {

bool StartsWith(const std::string& s, const char* prefix) {
    return s.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// A whole decimal number, or -1.
long WholeNumber(const std::string& s) {
    if (s.empty() || s.size() > 9) return -1;
    long n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

void ApplyBodyOptions(const std::vector<std::string>& args, Settings& s) {
    for (const std::string& arg : args) {
        if (arg == "/S") s.UseTray = true;
        if (arg == "/H") s.UseHide = true;
    }
}

void ProcessParam(const std::string& typed, Settings& s, StartOptions& o) {
    const std::string arg = UpperCase(typed);
    if (arg == "/HIDE") {
        o.hideOnFirstPaint = true;
    } else if (arg == "/B") {
        o.browseMode = true;
    } else if (arg == "/BA") {
        o.browseAllMode = true;
    } else if (arg == "/C") {
        s.UseClose = true;
    } else if (arg == "/S") {
        s.AutoSync = true;
    } else if (arg == "/N") {
        s.NetworkMode = true;
        o.networkModeRequested = true;
    } else if (StartsWith(arg, "/SM")) {
        long minutes = WholeNumber(arg.substr(3));
        if (minutes > 0 && minutes < 99) s.SyncMinutes = static_cast<uint16_t>(minutes);
    } else if (StartsWith(arg, "/F")) {
        o.openFile = arg.substr(2);
    } else if (StartsWith(arg, "/A")) {
        o.nicknamePresent = true;
    }
}

std::string NicknameAfterA(const std::string& commandLine, size_t maxChars) {
    const std::string upper = UpperCase(commandLine);
    size_t start = upper.find("/A");
    if (start == std::string::npos) return "";
    start += 2;
    // A nickname in double quotes is taken whole, "/" and all: it ends at a
    // quote followed by a space or the end.
    const size_t first = upper.find_first_not_of(' ', start);
    if (first != std::string::npos && upper[first] == '"') {
        for (size_t q = upper.find('"', first + 1); q != std::string::npos;
             q = upper.find('"', q + 1)) {
            if (q + 1 == upper.size() || upper[q + 1] == ' ' || upper[q + 1] == '\t')
                return Trim(upper.substr(first + 1, q - first - 1)).substr(0, maxChars);
        }
    }
    size_t end = upper.find('/', start);
    std::string nickname = Trim(upper.substr(start, end == std::string::npos ? end : end - start));
    // A nickname of several words may come in double quotes.
    if (nickname.size() >= 2 && nickname.front() == '"' && nickname.back() == '"')
        nickname = Trim(nickname.substr(1, nickname.size() - 2));
    return nickname.substr(0, maxChars);
}

StartupRequest::Outcome StartupRequest::Take(int character) {
    if (character > 0) {
        if (buffer_.size() < kPendingNicknameChars)
            buffer_.push_back(static_cast<char>(character));
        return Outcome::Collecting;
    }
    buffer_ = UpperCase(buffer_);
    if (buffer_.find("/A") == std::string::npos) {
        buffer_.clear();
        return Outcome::BringForward;
    }
    buffer_ = NicknameAfterA(buffer_, kPendingNicknameChars);
    return Outcome::RunNickname;
}

}  // namespace tavrin
