# The Windows build of the core, `orbato.exe` and the core tests with Debian's MinGW-w64 compiler
# (g++-mingw-w64-x86-64-posix: its std::thread runs on winpthreads). Used as
#   cmake -S . -B build-win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# The programs are linked statically, so that they run on Windows and under Wine without any DLL
# beside them; the tests run under Wine as the emulator.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORBATO_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORBATO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORBATO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ORBATO_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORBATO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
find_program(ORBATO_WINE NAMES wine wine64)
if(ORBATO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORBATO_WINE})
endif()

# No MinGW build of GoogleTest is packaged: the tests build it from Debian's sources.
set(ORBATO_GTEST_QUELLEN /usr/src/googletest CACHE PATH "GoogleTest sources built with the tests")
# Qt is not installed for Windows here; the command line reads INI files and the registry.
set(ORBATO_GUI OFF CACHE BOOL "" FORCE)
set(ORBATO_BENCH OFF CACHE BOOL "" FORCE)
