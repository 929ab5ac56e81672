// Writing the stand-in host's record file. The file is shared for reading so that tests can
// watch it while the host runs; each line goes out in one write.
#include "standin/win32/record.h"

#include "standin/win32/text.h"

namespace standin {

Record::Record(const std::wstring& path) {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
    if (path.empty()) return;
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) file_.reset(h);
}

std::string Record::Stamp() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const long long hundredths = (now.QuadPart - start_.QuadPart) * 100 / frequency_.QuadPart;
    std::string fraction = std::to_string(hundredths % 100);
    if (fraction.size() < 2) fraction.insert(0, "0");
    return std::to_string(hundredths / 100) + "." + fraction;
}

void Record::Write(std::wstring_view line) {
    if (!file_) return;
    const std::string out = Stamp() + " " + ToUtf8(line) + "\n";
    DWORD written = 0;
    WriteFile(file_.get(), out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
}

}  // namespace standin
