// The word match behind the missed lines: a plain scan with ASCII folding, cheap enough to run
// on every member line of an idle session.
#include "core/owner_named.h"

#include <algorithm>
#include <string>

#include "platform/ascii.h"

namespace kn {

namespace {

// Letters, digits and every non-ASCII byte join a word; see NamesAsWord.
bool JoinsWord(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u > 0x7F;
}

bool FoldedAt(std::string_view text, std::size_t at, std::string_view name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (LowerAscii(text[at + i]) != LowerAscii(name[i])) return false;
    }
    return true;
}

// Every place `name` is found folded, until one stands as a word. Its first letter is found
// in each case with memchr, as most lines hold it a few times at most.
bool FoundAsWord(std::string_view text, std::string_view name) {
    if (name.empty() || name.size() > text.size()) return false;
    const std::size_t last = text.size() - name.size();
    const char lower = LowerAscii(name.front()), upper = UpperAscii(name.front());
    std::size_t next_lower = text.find(lower);
    std::size_t next_upper = upper == lower ? std::string_view::npos : text.find(upper);
    for (std::size_t at = std::min(next_lower, next_upper); at <= last;
         at = std::min(next_lower, next_upper)) {
        if (at == next_lower) {
            next_lower = text.find(lower, at + 1);
        } else {
            next_upper = text.find(upper, at + 1);
        }
        if (!FoldedAt(text, at, name)) continue;
        const std::size_t end = at + name.size();
        if ((at == 0 || !JoinsWord(text[at - 1])) && (end == text.size() || !JoinsWord(text[end])))
            return true;
    }
    return false;
}

}  // namespace

bool NamesAsWord(std::string_view text, std::string_view name) {
    if (name.find_first_not_of(' ') == std::string_view::npos) return false;
    if (FoundAsWord(text, name)) return true;
    if (name.find(' ') == std::string_view::npos) return false;
    std::string blankless(name);
    std::erase(blankless, ' ');
    return FoundAsWord(text, blankless);
}

bool NamesOwner(std::string_view text, std::string_view screen_name, std::string_view handle) {
    return NamesAsWord(text, screen_name) || NamesAsWord(text, handle);
}

}  // namespace kn
