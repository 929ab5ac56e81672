// Writing a file through a copy beside it, so that a process killed mid-write leaves either
// the old file or the new one, never one emptied or cut short.
#pragma once

#include <functional>
#include <string>

namespace kn::win32 {

// Runs `write` on a copy of the file at `path` ("PATH.PID.new", PID this process's id), flushes
// it to the disk and puts it in the file's place in one step that keeps the file's attributes;
// when the file is missing, the copy `write` creates becomes it. `growth` is the most bytes
// `write` may add to the file. Should the disk lack room for the copy, or the copy fail to be
// made or written, it is removed and the file left as it was (false); should the file refuse
// to be replaced (another process holds it open), `write` runs on the file itself.
// Copies left by writers that were killed, whatever process made them, are removed first; a
// running writer's copy is left alone. Returns whether the file now holds what `write` wrote.
bool WriteThroughCopy(const std::wstring& path, unsigned long long growth,
                      const std::function<bool(const wchar_t*)>& write);

}  // namespace kn::win32
