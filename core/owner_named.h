// Whether a room line names the owner: the screen name or the handle as a word of its text.
#pragma once

#include <string_view>

namespace kn {

// True when `name` stands in `text` as a word: joined to no letter or digit on either side,
// ASCII letters' case ignored. A name with blanks in it also counts written without them.
// A name that is empty, or blanks alone, names no one.
//
// Texts and names arrive as UTF-8 converted from the host's ANSI code page, and a byte above
// 0x7F may be part of a letter in either. So such bytes count as letters at a word's edge
// ("bobé" does not name "bob") and are matched exactly, case and all: nothing is folded that
// the code page might fold otherwise, and a miss is kinder than a stranger's line kept.
bool NamesAsWord(std::string_view text, std::string_view name);

// True when `text` names `screen_name` or `handle` as NamesAsWord reads them.
bool NamesOwner(std::string_view text, std::string_view screen_name, std::string_view handle);

}  // namespace kn
