// The stand-in host's record: one UTF-8 line per happening, stamped with the seconds since the
// host started, written to the file named by --record and flushed line by line.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

namespace standin {

class Record {
  public:
    // An empty path records nothing.
    explicit Record(const std::wstring& path);

    // Appends "T " + line + "\n"; `line` holds no line break of its own.
    void Write(std::wstring_view line);

    // The stamp for now: whole hundredths since the start, cut rather than rounded, so that
    // a gap of at least 0.51 s between two happenings never prints as less.
    std::string Stamp() const;

  private:
    struct CloseFile {
        void operator()(HANDLE h) const { CloseHandle(h); }
    };
    std::unique_ptr<void, CloseFile> file_;
    LARGE_INTEGER start_{}, frequency_{};
};

}  // namespace standin
