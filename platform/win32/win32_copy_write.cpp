// The copy's life: removed if a kill left it, made from the file, written, then moved over the
// file; every failure on the way falls back to the write in place the caller would have done.
#include "platform/win32/win32_copy_write.h"

#include <windows.h>

namespace kn::win32 {

namespace {

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// CopyFile gave the copy the file's attributes; a read-only or hidden one can't be deleted or
// copied over as it is.
void Discard(const std::wstring& copy) {
    // Both fail when there is nothing to remove, the usual case.
    (void)SetFileAttributesW(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
    (void)DeleteFileW(copy.c_str());
}

// The copy in the file's place, by one rename. It carries the file's attributes, given by
// CopyFile, so a hidden file stays hidden. ReplaceFile would keep the file's security and
// creation time too, but Wine's moves the file away before it moves the copy in, and a kill in
// between leaves no file at all.
bool PutInPlace(const std::wstring& path, const std::wstring& copy, bool existed) {
    // Windows refuses while another process holds the file open; so does Wine.
    return MoveFileExW(copy.c_str(), path.c_str(), existed ? MOVEFILE_REPLACE_EXISTING : 0) !=
           FALSE;
}

}  // namespace

bool WriteThroughCopy(const std::wstring& path, const std::function<bool(const wchar_t*)>& write) {
    const std::wstring copy = path + L".new";
    Discard(copy);
    const bool existed = Exists(path);
    if (existed && !CopyFileW(path.c_str(), copy.c_str(), FALSE)) return write(path.c_str());
    if (write(copy.c_str()) && PutInPlace(path, copy, existed)) return true;
    Discard(copy);
    return write(path.c_str());
}

}  // namespace kn::win32
