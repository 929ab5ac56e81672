// Seeded random room lines for the owner-only property: screen names that only look like
// the owner's, and the owner's commands.
#pragma once

#include <cctype>
#include <random>
#include <span>
#include <string>

#include "core/dispatcher.h"

namespace kn::test {

class LookalikeLines {
  public:
    explicit LookalikeLines(unsigned seed) : random_(seed) {}

    std::size_t Pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    // A screen name that differs from `owner` in one of the ways a lookalike would, or is one
    // of `others` (names signed on before). No tab and no ": ": the host's screen names have
    // none, and either would end a name early in the transcript's "NAME:<tab>TEXT".
    std::string Name(const std::string& owner, std::span<const char* const> others = {}) {
        std::string name;
        do {
            name = Lookalike(owner, others);
            std::erase(name, '\t');
        } while (name == owner || name.find(": ") != std::string::npos);
        return name;
    }

    // A line the owner could type to run a command: a table word in any case, with an
    // argument exactly when the word wants one.
    std::string Command() {
        const auto table = CommandTable();
        const CommandEntry& entry = table[Pick(table.size())];
        const std::string word = Cased(std::string(entry.word));
        if (entry.rule == ArgumentRule::None) return Pick(8) ? word : word + " ";
        return word + " " + Junk(1 + Pick(12));
    }

  private:
    std::string Cased(std::string s) {
        for (char& c : s) {
            if (c >= 'a' && c <= 'z' && Pick(2)) c = static_cast<char>(c - 'a' + 'A');
        }
        return s;
    }

    // Anything a script line can carry, markup and the mark included; no line breaks.
    std::string Junk(std::size_t size) {
        static const std::string kJunk =
            " \t!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`"
            "abcdefghijklmnopqrstuvwxyz{|}~\xC3\xA9\xE2\x80\xBA";
        std::string out;
        while (out.size() < size) {
            const std::size_t at = Pick(kJunk.size());
            const auto c = static_cast<unsigned char>(kJunk[at]);
            if (c >= 0x80 && (c & 0xC0) == 0x80) continue;  // multi-byte characters go in whole
            out += kJunk.substr(at, c < 0x80 ? 1 : c < 0xE0 ? 2 : 3);
        }
        return out;
    }

    std::string Lookalike(const std::string& owner, std::span<const char* const> others) {
        std::string flipped = owner;
        switch (Pick(others.empty() ? 11 : 12)) {
            case 0:
                for (char& c : flipped) {
                    if (std::isalpha(static_cast<unsigned char>(c)) && Pick(2)) c ^= 0x20;
                }
                return flipped;
            case 1:
                return " " + owner;
            case 2:
                return owner + " ";
            case 3:
                return "";
            case 4:
                return owner + Junk(1 + Pick(3));
            case 5:
                return Junk(1 + Pick(3)) + owner;
            case 6:
                return owner.substr(0, owner.empty() ? 0 : Pick(owner.size()));
            case 7:
                return owner + " " + owner;
            case 8:
                return owner + "!";
            case 9:
                return "abc";  // the owner's handle, which is not a screen name
            case 11:
                return others[Pick(others.size())];
            default:
                return Junk(1 + Pick(12));
        }
    }

    std::mt19937 random_;
};

}  // namespace kn::test
