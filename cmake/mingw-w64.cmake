# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 and runs what it
# builds (the tests) through Wine:
#   cmake -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_prefix x86_64-w64-mingw32)

# The posix threads flavour: std::thread and std::mutex need it.
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

# Libraries built for Windows elsewhere (Qt, the exports' libraries) are
# given as CMAKE_PREFIX_PATH; only these folders are searched, never Linux's.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime linked in, so Wine finds every DLL a test needs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Wine keeps its C: drive in the build folder, not in the user's home, and
# is not to offer its .NET and HTML engines when it makes that drive.
find_program(WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all
      WINEDLLOVERRIDES=mscoree,mshtml= ${WINE})
endif()
