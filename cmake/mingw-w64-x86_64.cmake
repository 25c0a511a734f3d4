# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 compilers (the
# posix thread model, which Qt's threads need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TFCC_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TFCC_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TFCC_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TFCC_MINGW}-windres)

# Libraries and headers come from the MinGW tree and from the Windows Qt
# given in CMAKE_PREFIX_PATH, never from the host; programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${TFCC_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
