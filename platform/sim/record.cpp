// Writing record lines; flushed per line so a run that stops halfway has printed its record.
#include "platform/sim/record.h"

namespace kn::sim {

std::string Record::FormatTime(Micros t) {
    const Micros centis = (t + 5000) / 10000;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld.%02lld", static_cast<long long>(centis / 100),
                  static_cast<long long>(centis % 100));
    return buf;
}

void Record::Line(std::string_view kind, std::string_view text) {
    const Micros now = scheduler_.Now();
    if (out_) {
        std::string line = FormatTime(now);
        line += ' ';
        line += kind;
        if (!text.empty() || kind == "post" || kind == "keyword") {
            line += ' ';
            line += text;
        }
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), out_);
        std::fflush(out_);
    }
    for (const auto& observer : observers_) observer(now, kind, text);
}

}  // namespace kn::sim
