// Profile strings on a plain file: a line scanner shared by reading and writing, splices that
// change only the bytes a write must change, and a write that never leaves a half-written file.
#include "platform/sim/ini_profile_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/ascii.h"

namespace kn {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// One line of the file as offsets into it: [begin, text_end) is its text and
// [text_end, end) its line end (CR LF, LF or a lone CR; empty on an unterminated last line).
struct Line {
    std::size_t begin;
    std::size_t text_end;
    std::size_t end;
};

Line LineAt(std::string_view data, std::size_t begin) {
    std::size_t text_end = data.find_first_of("\r\n", begin);
    if (text_end == std::string_view::npos) return {begin, data.size(), data.size()};
    std::size_t end = text_end + 1;
    if (data[text_end] == '\r' && end < data.size() && data[end] == '\n') ++end;
    return {begin, text_end, end};
}

enum class Kind { kBlank, kHeader, kEntry, kOther };

// A line's meaning: a section header with its name, an entry with its trimmed key and
// everything after the first '=' (not yet trimmed), or neither.
struct Parsed {
    Kind kind = Kind::kOther;
    std::string_view name;
    std::string_view raw_value;
};

Parsed Parse(std::string_view text) {
    std::string_view t = Trim(text);
    if (t.empty()) return {Kind::kBlank, {}, {}};
    // The last ']' closes the name, as kernel32 reads "[a]b]" as section "a]b".
    if (t.front() == '[') {
        std::size_t close = t.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            return {Kind::kHeader, Trim(t.substr(1, close - 1)), {}};
        }
    }
    std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return {};
    return {Kind::kEntry, Trim(t.substr(0, eq)), t.substr(eq + 1)};
}

// Where a key is, or would go, in a file.
struct Spot {
    bool section_found = false;
    std::optional<Line> entry;  // the first matching entry of the first matching section
    std::size_t insert_at = 0;  // just past that section's last non-blank line
};

Spot Locate(std::string_view data, std::string_view section, std::string_view key) {
    Spot spot;
    std::size_t pos = data.starts_with(kBom) ? kBom.size() : 0;
    spot.insert_at = data.size();
    // Lines before the first header belong to no section: the empty name is a "[]" header's.
    bool inside = false;
    while (pos < data.size()) {
        Line line = LineAt(data, pos);
        pos = line.end;
        Parsed p = Parse(data.substr(line.begin, line.text_end - line.begin));
        if (p.kind == Kind::kHeader) {
            if (inside) break;
            if (!EqualFoldingAscii(p.name, Trim(section))) continue;
            spot.section_found = inside = true;
            spot.insert_at = line.end;
            continue;
        }
        if (!inside || p.kind == Kind::kBlank) continue;
        spot.insert_at = line.end;
        if (p.kind == Kind::kEntry && EqualFoldingAscii(p.name, Trim(key))) {
            spot.entry = line;
            break;
        }
    }
    return spot;
}

// The value as a C string holds it, trimmed, less one pair of matching quotes.
std::string_view CleanValue(std::string_view raw) {
    raw = Trim(raw.substr(0, raw.find('\0')));
    if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') &&
        raw.back() == raw.front()) {
        raw = raw.substr(1, raw.size() - 2);
    }
    return raw;
}

std::string Cut(std::string_view s, std::size_t capacity) {
    std::size_t room = capacity == 0 ? 0 : capacity - 1;
    return std::string(s.substr(0, room));
}

bool EndsLine(std::string_view data) {
    return data.empty() || data.back() == '\n' || data.back() == '\r';
}

// The file's new bytes: one entry replaced, or one line (or a header and a line) inserted.
std::string Edited(std::string_view data, std::string_view section, std::string_view key,
                   std::string_view value) {
    Spot spot = Locate(data, section, key);
    std::string out;
    out.reserve(data.size() + section.size() + key.size() + value.size() + 8);
    if (spot.entry) {
        // The file's own spelling of the key and its own line end stay.
        Line e = *spot.entry;
        Parsed p = Parse(data.substr(e.begin, e.text_end - e.begin));
        out.append(data.substr(0, e.begin)).append(p.name).append("=").append(value);
        out.append(data.substr(e.text_end));
        return out;
    }
    std::string_view before = data.substr(0, spot.insert_at);
    out.append(before);
    if (!EndsLine(before) && before != kBom) out.append(kLineEnd);
    if (!spot.section_found) out.append("[").append(section).append("]").append(kLineEnd);
    out.append(key).append("=").append(value).append(kLineEnd);
    out.append(data.substr(spot.insert_at));
    return out;
}

// Closes the descriptor on every path out.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// The file's bytes; "" with `missing` set when there is no file; nullopt when it can't be
// read. Only regular files are read, so a FIFO or a device under that name can't block us.
std::optional<std::string> Load(const std::string& path, bool& missing) {
    missing = false;
    Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        missing = errno == ENOENT;
        return missing ? std::optional<std::string>("") : std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    std::string data;
    char buf[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n == 0) return data;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        data.append(buf, static_cast<std::size_t>(n));
    }
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A new, empty file beside `path`; its name is written to `name`.
int CreateSibling(const std::string& path, std::string& name) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Writing the file in place would leave it cut short, and the owner's settings lost, if the
// disk filled up or the program died halfway. The new bytes go to a file in the same
// directory instead, which is renamed over the old one: rename only works within one file
// system, and it swaps the whole file at once, so a reader sees the old file or the new one.
bool Replace(const std::string& path, std::string_view data) {
    struct stat old {};
    bool existed = ::stat(path.c_str(), &old) == 0;
    std::string temp;
    Fd fd(CreateSibling(path, temp));
    if (fd.get() < 0) return false;
    bool ok = WriteAll(fd.get(), data);
    if (ok && existed) ok = ::fchmod(fd.get(), old.st_mode & 07777) == 0;
    ok = ok && ::fsync(fd.get()) == 0;
    ok = fd.Close() && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

}  // namespace

std::string IniProfileStore::GetString(std::string_view section, std::string_view key,
                                       std::string_view fallback, std::size_t capacity,
                                       std::string_view path) {
    bool missing = false;
    // kernel32 cuts the fallback's trailing blanks, though not its leading ones.
    while (fallback.ends_with(' ')) fallback.remove_suffix(1);
    std::optional<std::string> data = Load(std::string(path), missing);
    if (!data) return Cut(fallback, capacity);
    Spot spot = Locate(*data, section, key);
    if (!spot.entry) return Cut(fallback, capacity);
    Line e = *spot.entry;
    Parsed p = Parse(std::string_view(*data).substr(e.begin, e.text_end - e.begin));
    return Cut(CleanValue(p.raw_value), capacity);
}

bool IniProfileStore::WriteString(std::string_view section, std::string_view key,
                                  std::string_view value, std::string_view path) {
    std::string file(path);
    bool missing = false;
    std::optional<std::string> data = Load(file, missing);
    if (!data) return false;
    // kernel32 refuses to write a read-only file; a rename would replace it regardless.
    if (!missing && ::access(file.c_str(), W_OK) != 0) return false;
    return Replace(file, Edited(*data, section, key, value));
}

}  // namespace kn
