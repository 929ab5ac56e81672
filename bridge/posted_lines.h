// The program's own lines on their way to the room: which were lost, and which came back. A
// line the room shows back is the only proof that anyone heard it.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace kn {

class PostedLines {
  public:
    // A line not seen in the room this long after its Enter was lost.
    static constexpr double kHeardWithin = 5.0;
    // Lines kept to be known when they come back, late ones included; at a line every half
    // second these span far more than kHeardWithin.
    static constexpr std::size_t kKept = 64;

    // The host took `line` (UTF-8, as it went out after the code page's round trip) at `now`.
    void Delivered(std::string_view line, double now);
    // A line that no input box took, or whose host did not answer.
    void Lost();
    // True when `text`, said in the room, is one of the lines above coming back (the room shows
    // a line with its markup rendered away); that line is then taken, as seen.
    bool TakeEcho(std::string_view text);
    // Whether the last line lost, as of `now`, has had no later line seen in the room.
    bool Unheard(double now);

  private:
    struct Line {
        std::string shown;  // as the room shows it, without blanks
        std::uint64_t number;
        double entered;
    };
    std::deque<Line> waiting_;  // oldest first
    std::uint64_t posted_ = 0, last_lost_ = 0, last_heard_ = 0;
};

// `line` as the room shows it with its markup rendered away (a tag runs from "<" to the next
// ">"; a "<" never closed is text), without blanks: a host may lay out a line's spacing its
// own way, but never its words.
std::string ShownWithoutBlanks(std::string_view line);

}  // namespace kn
