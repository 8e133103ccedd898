# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the posix thread
# model, which std::thread needs). The Windows Qt, libjpeg-turbo and GoogleTest
# come from scripts/build-windows-deps; Wine runs what is built here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VANTOR_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VANTOR_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VANTOR_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VANTOR_MINGW}-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VANTOR_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests and other built programs run under Wine, without its window for the
# first start and without its debugging chatter.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
