# 32-bit Windows, from Windows XP SP3 on.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KN_MINGW i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
