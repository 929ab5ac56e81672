// The copy's life: copies that killed writers left are removed, the copy is made from the
// file, written, flushed, then moved over the file. A copy that fails ends the write with the
// file untouched; only a rename that the file's holder refuses falls back to the write in place.
#include "platform/win32/win32_copy_write.h"

#include <windows.h>

#include <string>

#include "platform/win32/win32_handles.h"

namespace kn::win32 {

namespace {

constexpr std::wstring_view kCopyEnd = L".new";

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

// Each writer's copy bears its process id, so two writers of one file (two programs in two
// sessions, say) never share one: with a shared name each deleted the other's copy before
// making its own, and a copy made from an empty file then replaced the settings.
std::wstring CopyOf(const std::wstring& path, DWORD process) {
    const std::string id = std::to_string(process);  // to_wstring would import wide stdio
    return path + L"." + std::wstring(id.begin(), id.end()) + std::wstring(kCopyEnd);
}

// The process id a copy's name bears, or 0 for a file that is none of ours.
DWORD WriterOf(std::wstring_view name, std::wstring_view file_name) {
    if (!name.starts_with(file_name) || !name.ends_with(kCopyEnd)) return 0;
    name.remove_prefix(file_name.size());
    name.remove_suffix(kCopyEnd.size());
    if (name.size() < 2 || name.size() > 11 || name.front() != L'.') return 0;
    unsigned long long id = 0;
    for (wchar_t c : name.substr(1)) {
        if (c < L'0' || c > L'9') return 0;
        id = id * 10 + static_cast<unsigned>(c - L'0');
    }
    return id <= MAXDWORD ? static_cast<DWORD>(id) : 0;
}

// A process that has ended, or that no longer exists. One that can't be opened for another
// reason (another user's, say) may be writing: its copy is left alone.
bool Ended(DWORD process) {
    const OwnedHandle h(OpenProcess(SYNCHRONIZE, FALSE, process));
    if (!h) return GetLastError() == ERROR_INVALID_PARAMETER;
    return WaitForSingleObject(h.get(), 0) == WAIT_OBJECT_0;
}

// Removes the copies that writers killed mid-write left beside the file, any process's. A live
// writer's copy stays: it may be between the copy's close and its rename. A killed writer's id
// reused since keeps its copy until the new process ends; it is a stray file, never the file.
void RemoveCopiesOfEndedWriters(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::wstring dir = slash == std::wstring::npos ? L"" : path.substr(0, slash + 1);
    const std::wstring file_name = path.substr(dir.size());
    WIN32_FIND_DATAW found{};
    const OwnedFind search(FindFirstFileExW((path + L".*" + std::wstring(kCopyEnd)).c_str(),
                                            FindExInfoStandard, &found, FindExSearchNameMatch,
                                            nullptr, 0));
    if (!search) return;
    do {
        const DWORD writer = WriterOf(found.cFileName, file_name);
        if (writer != 0 && Ended(writer)) Discard(dir + found.cFileName);
    } while (FindNextFileW(search.get(), &found));
}

// A rename can reach the disk before the data it names: after a power cut the file would be
// empty. FlushFileBuffers needs a handle that may write.
void Flush(const std::wstring& copy) {
    const OwnedFile h(CreateFileW(copy.c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    // A copy that can't be flushed is still a whole file; the rename goes ahead.
    if (h) (void)FlushFileBuffers(h.get());
}

// The copy in the file's place, by one rename. It carries the file's attributes, given by
// CopyFile, so a hidden file stays hidden. ReplaceFile would keep the file's security and
// creation time too, but Wine's moves the file away before it moves the copy in, and a kill in
// between leaves no file at all.
bool PutInPlace(const std::wstring& path, const std::wstring& copy, bool existed) {
    // Windows refuses while another process holds the file open; so does Wine. Another
    // writer's CopyFile holds it for a moment only, and a write in place then would empty the
    // file under that writer's copy: a few tries let it finish first. A holder that keeps the
    // file open (an editor, say) gets the write in place, some 50 ms later.
    for (int tries = 1;; ++tries) {
        if (MoveFileExW(copy.c_str(), path.c_str(), existed ? MOVEFILE_REPLACE_EXISTING : 0)) {
            return true;
        }
        if (tries == 10) return false;
        Sleep(5);
    }
}

// A full disk cuts the copy's write short, and the profile functions need not say so (Wine's
// report success, having ignored the failed WriteFile): the cut copy would then replace the
// file. So the copy is made only with room beside the file for the most it can take: the
// file rewritten with every line end doubled (a file of LF alone comes back in CR LF) and the
// entry added, and a cluster or so to spare.
bool RoomForCopy(const std::wstring& path, unsigned long long growth) {
    WIN32_FILE_ATTRIBUTE_DATA file{};
    const unsigned long long size =
        GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &file)
            ? (static_cast<unsigned long long>(file.nFileSizeHigh) << 32) | file.nFileSizeLow
            : 0;
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::wstring dir = slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
    ULARGE_INTEGER free{};
    // A disk that can't tell its free space is not taken for a full one.
    if (!GetDiskFreeSpaceExW(dir.c_str(), &free, nullptr, nullptr)) return true;
    constexpr unsigned long long kSpare = 64 * 1024;
    return growth < free.QuadPart && free.QuadPart - growth >= 2 * size + kSpare;
}

}  // namespace

bool WriteThroughCopy(const std::wstring& path, unsigned long long growth,
                      const std::function<bool(const wchar_t*)>& write) {
    RemoveCopiesOfEndedWriters(path);
    const std::wstring copy = CopyOf(path, GetCurrentProcessId());
    Discard(copy);  // a killed writer's whose id this process now has
    const bool existed = Exists(path);
    // A copy that has no room, or can't be made or written (a full disk, a directory closed to
    // new files), ends the write with the file as it was: a write in place would cut it short.
    if (!RoomForCopy(path, growth) || (existed && !CopyFileW(path.c_str(), copy.c_str(), FALSE)) ||
        !write(copy.c_str())) {
        Discard(copy);
        return false;
    }
    Flush(copy);
    if (PutInPlace(path, copy, existed)) return true;
    // Only a file that another program holds open refuses the rename; the write in place is
    // for that alone.
    Discard(copy);
    return write(path.c_str());
}

}  // namespace kn::win32
