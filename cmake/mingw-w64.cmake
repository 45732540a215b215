# Cross-compiling for 64-bit Windows with mingw-w64 (posix threads), used by
# scripts/windows-check.sh: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELVOR_MINGW x86_64-w64-mingw32)
find_program(CMAKE_CXX_COMPILER NAMES ${KELVOR_MINGW}-g++-posix ${KELVOR_MINGW}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${KELVOR_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KELVOR_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A program that runs without the compiler's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
