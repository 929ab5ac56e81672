// Reading the stand-in host's options; each takes its value from the next argument.
#include "standin/win32/options.h"

#include <cwctype>

namespace standin {

namespace {

std::optional<std::size_t> LineCount(const std::wstring& text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    std::size_t n = 0;
    for (wchar_t c : text) {
        if (!std::iswdigit(c)) return std::nullopt;
        n = n * 10 + static_cast<std::size_t>(c - L'0');
    }
    if (n == 0) return std::nullopt;
    return n;
}

}  // namespace

std::optional<Options> ParseOptions(const std::vector<std::wstring>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::wstring& name = args[i];
        if (name == L"--visible" || name == L"--help" || name == L"--no-room") {
            (name == L"--help"      ? options.help
             : name == L"--visible" ? options.visible
                                    : options.no_room) = true;
            continue;
        }
        if (i + 1 == args.size()) return std::nullopt;
        const std::wstring& value = args[++i];
        if (name == L"--screen-name") {
            options.screen_name = value;
        } else if (name == L"--record") {
            options.record_path = value;
        } else if (name == L"--max-lines") {
            const std::optional<std::size_t> n = LineCount(value);
            if (!n) return std::nullopt;
            options.max_lines = *n;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace standin
