# SPDX-FileCopyrightText: 2026 quivelle team
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-compiling for 64-bit Windows with Debian's mingw-w64. The -posix compilers give
# std::thread and the like, which Qt needs. Used for the Windows Qt (tools/build-windows-qt)
# and, through that Qt's qt-cmake, for the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(quivelle_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${quivelle_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${quivelle_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${quivelle_mingw}-windres)

# Libraries and headers come from the mingw-w64 tree (and the Windows Qt), never from the
# Linux host; host programs (moc, rcc, pkg-config) still run from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${quivelle_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The host's .pc files describe Linux libraries: none of them may reach a Windows link.
set(ENV{PKG_CONFIG_LIBDIR} "")
set(ENV{PKG_CONFIG_PATH} "")
