# Cross-compiling for Windows with Debian's mingw-w64 (posix thread model); the toolchain
# file of each bitness names its target triplet and processor, then includes this.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${KN_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KN_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${KN_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KN_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
