# SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread
# model, which C++ threads and Qt need). Used for the Windows Qt
# (scripts/windows-qt) and for the program built against it (scripts/windows).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
if(VANTOR_WINDOWS_QT)
    list(APPEND CMAKE_FIND_ROOT_PATH ${VANTOR_WINDOWS_QT})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The C and C++ runtimes and the thread library linked into every executable:
# a Windows machine has none of MinGW's DLLs, and Wine, missing them, exits
# with code 53 and says nothing.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
