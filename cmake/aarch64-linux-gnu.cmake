# Cross-compiling for 64-bit ARM Linux (Debian's arm64) with Debian's cross
# compilers, against the arm64 libraries installed beside the machine's own
# (multiarch): Qt, CUPS and fontconfig. Qt's build tools (moc, rcc, uic) are
# the machine's. The tests run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(TFCC_TRIPLET aarch64-linux-gnu)
set(CMAKE_C_COMPILER ${TFCC_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${TFCC_TRIPLET}-g++)
set(CMAKE_LIBRARY_ARCHITECTURE ${TFCC_TRIPLET})
# The package's architecture, as dpkg names it.
set(TFCC_DEB_ARCHITECTURE arm64)

# Libraries and CMake packages are looked for in arm64's multiarch folders
# (by CMAKE_LIBRARY_ARCHITECTURE), and pkg-config reads arm64's files only:
# the machine's amd64 ones sit beside them.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${TFCC_TRIPLET}/pkgconfig:/usr/share/pkgconfig)

# Qt finds its build tools through the machine's own Qt CMake packages.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${CMAKE_HOST_SYSTEM_PROCESSOR}-linux-gnu/cmake)

# qemu-user finds the arm64 loader and libraries at their multiarch places.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/qemu-aarch64)
