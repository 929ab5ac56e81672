// Plain lines: split at line feeds, a carriage return before one dropped; a last line
// without a line feed still counts at the end of input.
#include "app/sim/line_input.h"

#include <unistd.h>

#include <cerrno>

namespace kn::sim {

bool PlainInput::Read(std::vector<std::string>& lines) {
    char buf[4096];
    const ssize_t n = ::read(fd_, buf, sizeof buf);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) return true;
    if (n <= 0) {
        if (!partial_.empty()) lines.push_back(std::move(partial_));
        partial_.clear();
        return false;
    }
    partial_.append(buf, static_cast<std::size_t>(n));
    for (std::size_t nl; (nl = partial_.find('\n')) != std::string::npos;) {
        std::string line = partial_.substr(0, nl);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        partial_.erase(0, nl + 1);
    }
    return true;
}

}  // namespace kn::sim
