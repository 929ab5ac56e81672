// The bare calls, made exactly as the program's room search, scanner, owner test and sender
// make them, without anything of the program around them.
#include "bench/bare_calls.h"

#include <benchmark/benchmark.h>

#include "bridge/chat_scanner.h"
#include "bridge/host_windows.h"

namespace kn::bench {

namespace c = host_class;

WindowHandle BareChatRoom(WindowSystem& ws) {
    const WindowHandle mdi = ws.FindChild(ws.FindTopLevel(c::kFrame), 0, c::kMdiClient);
    for (WindowHandle w = ws.FindChild(mdi, 0, c::kChild); w; w = ws.FindChild(mdi, w, c::kChild)) {
        if (ws.FindChild(w, 0, c::kTranscript) && ws.FindChild(w, 0, c::kCombobox) &&
            ws.FindChild(w, 0, c::kIcon) && ws.FindChild(w, 0, c::kStatic)) {
            return w;
        }
    }
    return 0;
}

bool BareOwnerTest(WindowSystem& ws) {
    const WindowHandle mdi = ws.FindChild(ws.FindTopLevel(c::kFrame), 0, c::kMdiClient);
    for (WindowHandle w = ws.FindChild(mdi, 0, c::kChild); w; w = ws.FindChild(mdi, w, c::kChild)) {
        if (ws.Title(w, ws.TitleLength(w) + 1).starts_with("Welcome, ")) return true;
    }
    return false;
}

void BareLine(WindowSystem& ws) {
    const WindowHandle transcript = ws.FindChild(BareChatRoom(ws), 0, c::kTranscript);
    benchmark::DoNotOptimize(ws.Text(transcript, ws.TextLength(transcript).value_or(0) + 1));
    benchmark::DoNotOptimize(BareOwnerTest(ws));
}

void BareIdlePoll(WindowSystem& ws, bool whole) {
    const WindowHandle transcript = ws.FindChild(BareChatRoom(ws), 0, c::kTranscript);
    const std::size_t length = ws.TextLength(transcript).value_or(0);
    benchmark::DoNotOptimize(ws.Text(
        transcript, whole ? length + ChatScanner::kReadSpare + 1 : ChatScanner::kHeadBytes + 1));
}

void BarePost(WindowSystem& ws, std::string_view ansi) {
    const WindowHandle input = ws.FindChild(BareChatRoom(ws), 0, c::kInputBox);
    ws.SetText(input, ansi);
    ws.SendChar(input, 13);
}

}  // namespace kn::bench
