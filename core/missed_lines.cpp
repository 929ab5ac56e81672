// Keeping, forgetting and showing the lines that named the owner while away.
#include "core/missed_lines.h"

#include "core/owner_named.h"
#include "core/program.h"
#include "windows/forms.h"

namespace kn {

namespace {

// "HH:MM NAME: TEXT". Control bytes become blanks: a list line is one line, and nothing the
// member typed steers how it shows.
std::string ListLine(int minute_of_day, std::string_view speaker, std::string_view text) {
    const int hours = minute_of_day / 60 % 24, minutes = minute_of_day % 60;
    std::string line = {char('0' + hours / 10),   char('0' + hours % 10),   ':',
                        char('0' + minutes / 10), char('0' + minutes % 10), ' '};
    line.append(speaker).append(": ").append(text);
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    }
    return line;
}

}  // namespace

std::string MissedCountCaption(int count) {
    return std::to_string(count) + (count == 1 ? " line" : " lines") +
           " named you while you were away";
}

void KeepIfMissed(Program& p, const std::string& own, const std::string& speaker,
                  const std::string& text) {
    // Signed off, no line can be told from the owner's, which are never kept. (The program's
    // own lines never get here: the dispatcher takes them as heard first.)
    if (own.empty() || !p.form1().Timer1().Enabled()) return;
    if (!NamesOwner(text, own, p.form1().Label5.Text())) return;
    Form4& f = p.form4();  // the first line kept loads the window, its load handler run
    if (f.List1.ItemCount() >= kMissedLinesKept) f.List1.RemoveItem(0);
    f.List1.AddItem(ListLine(p.gui().MinuteOfDay(), speaker, text));
    f.Label1.SetText(MissedCountCaption(f.List1.ItemCount()));
}

// Nothing kept means Form4 was never needed: it stays unloaded.
void ForgetMissedLines(Program& p) {
    if (!p.form4_loaded()) return;
    Form4& f = p.form4();
    for (int i = f.List1.ItemCount() - 1; i >= 0; --i) f.List1.RemoveItem(i);
    f.Label1.SetText(MissedCountCaption(0));
}

void ShowMissedLines(Program& p) {
    if (!p.form4_loaded() || p.form4().List1.ItemCount() == 0) return;
    p.form4().window().ShowBeside(p.form1().window(), Activation::NoActivate);
}

}  // namespace kn
