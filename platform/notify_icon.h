// The program's icon in the notification area: what it shows and says, and what the person
// does to it. The program decides the look; the platform keeps the icon there and asks.
#pragma once

#include <string>

namespace kn {

// The icon's picture and tooltip. The picture is the program's icon, marked when an idle
// session is on and marked again when the sign is not "ok".
struct NotifyLook {
    bool idle = false;
    bool warning = false;
    std::string tip;  // UTF-8, lines separated by '\n'
    bool operator==(const NotifyLook&) const = default;
};

// What the person does to the icon; implemented by the main window.
class NotifyIconEvents {
  public:
    virtual ~NotifyIconEvents() = default;
    // A left click on the icon, or Enter or Space on it from the keyboard.
    virtual void Click() = 0;
    // A right click on the icon, or the keyboard's context-menu key or Shift+F10 on it.
    virtual void ContextMenu() = 0;
    // The look may be out of date: asked at least once a second and when the pointer moves
    // over the icon. The answer is a call to Show; none keeps the look.
    virtual void LookDue() = 0;
};

class NotifyIcon {
  public:
    virtual ~NotifyIcon() = default;
    // Puts the icon in the notification area with `look`, or changes it to `look`; a look
    // equal to the one shown costs nothing. The icon stays until its NotifyIcon ends or the
    // process does (by GuiRuntime::EndProcess too), and comes back by itself when the
    // notification area does (the shell restarted). A tip longer than the notification area
    // holds is cut short with an ellipsis. A failure is silent: the icon is tried again at the
    // next Show.
    virtual void Show(const NotifyLook& look) = 0;
    // Takes the icon out of the notification area for good, as the program ends: later calls
    // to Show do nothing and no event comes any more.
    virtual void Remove() = 0;
};

}  // namespace kn
