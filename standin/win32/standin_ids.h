// How tests reach the Windows stand-in host from outside: the class of its control window and
// the tag a control line carries in WM_COPYDATA.
#pragma once

namespace standin {

// A hidden top-level window that lives as long as the host process, also while the host is
// quit, so that "host start" can still reach it. The frame takes the same lines.
inline constexpr wchar_t kControlClass[] = L"KnStandinControl";

// dwData of a WM_COPYDATA whose bytes are one UTF-8 control line (no time, no line end). The
// reply is TRUE when the line was done, FALSE when it named no verb or could not be done.
inline constexpr unsigned long kControlTag = 0x4B4E;

}  // namespace standin
