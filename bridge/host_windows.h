// The host client's window classes. The window system matches them whole and without regard
// to case, so one spelling serves every lookup.
#pragma once

namespace kn::host_class {

inline constexpr char kFrame[] = "AOL Frame25";
inline constexpr char kMdiClient[] = "MDIClient";
inline constexpr char kChild[] = "AOL Child";
inline constexpr char kTranscript[] = "RICHCNTLREADONLY";
inline constexpr char kCombobox[] = "_AOL_Combobox";
inline constexpr char kIcon[] = "_AOL_Icon";
inline constexpr char kStatic[] = "_AOL_Static";
inline constexpr char kInputBox[] = "RICHCNTL";

inline constexpr char kToolbar[] = "aol toolbar";
inline constexpr char kInnerToolbar[] = "_aol_toolbar";
inline constexpr char kKeywordEdit[] = "edit";

}  // namespace kn::host_class
