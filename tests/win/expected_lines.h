// The program's lines with the default colours, byte for byte, as the Windows tests expect
// them in the host's record (UTF-8, the mark as U+203A).
#pragma once

#include <string>

namespace kn::wintest {

inline const std::string kMark = "\xE2\x80\xBA";
inline const std::string kFace = "</b><font color=#c0c0c0 face=\"tahoma\">            " + kMark;
inline const std::string kHead2 = kFace + "<font color=#99ccff";

inline std::string UserBanner(const std::string& handle) {
    return kFace + " <font color=#99ccff>k<font color=#c0c0c0>elvar <font color=#99ccff>" + kMark +
           "<font color=#c0c0c0> user<font color=#99ccff>   " + kMark + "<font color=#c0c0c0> " +
           handle;
}

inline std::string StatusBanner(const std::string& ending) {
    return kFace + " <font color=#99ccff>n<font color=#c0c0c0>ook      <font color=#99ccff>" +
           kMark + "<font color=#c0c0c0> status<font color=#99ccff> " + kMark + ending;
}
inline const std::string kLoaded = StatusBanner("<font color=#c0c0c0> loaded");
inline const std::string kUnloaded =
    StatusBanner("<font color=#c0c0c0> <font color=#c0c0c0>unloaded");

inline std::string NewReason(const std::string& reason) {
    return kHead2 + "> new idle reason <font color=#c0c0c0>" + reason;
}
inline std::string StartReason(const std::string& reason) {
    return kFace + " reason: <font color=#99ccff>" + reason;
}
inline std::string IdleLine(const std::string& handle, const std::string& hours,
                            const std::string& minutes) {
    return kFace + " <font color=#99ccff>" + handle +
           " <font color=#c0c0c0>is idle. H <font color=#99ccff>" + hours +
           "<font color=#c0c0c0>  M <font color=#99ccff>" + minutes;
}
inline std::string TimedReason(const std::string& reason) {
    return kFace + " <font color=#c0c0c0>reason: <font color=#99ccff>" + reason;
}
inline std::string Attempting(const std::string& handle, const std::string& room) {
    return kHead2 + "> " + handle + " attempting to enter <font color=#c0c0c0>" + room;
}

// The settings file after a first start answered with `handle`.
inline std::string SettingsAfterFirstStart(const std::string& handle) {
    return "[prefs]\r\nHANDLE=" + handle + "\r\nCOLOR1=c0c0c0\r\nCOLOR2=99ccff\r\n";
}

}  // namespace kn::wintest
