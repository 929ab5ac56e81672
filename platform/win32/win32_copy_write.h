// Writing a file through a copy beside it, so that a process killed mid-write leaves either
// the old file or the new one, never one emptied or cut short.
#pragma once

#include <functional>
#include <string>

namespace kn::win32 {

// Runs `write` on a copy of the file at `path` ("PATH.new") and puts the copy in the file's
// place in one step that keeps the file's attributes; when the file is missing, the copy
// `write` creates becomes it. Should the copy fail or the file refuse to be replaced (another
// process holds it open), `write` runs on the file itself. A copy left by an earlier kill is
// removed first. Returns whether the file now holds what `write` wrote.
bool WriteThroughCopy(const std::wstring& path, const std::function<bool(const wchar_t*)>& write);

}  // namespace kn::win32
