# Cross-compiling for 64-bit Windows with mingw-w64 (posix threads), used by
# scripts/windows-check.sh and scripts/test-windows.sh:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake ...
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KELVOR_MINGW x86_64-w64-mingw32)
# Both compilers: a C project built with this file (GoogleTest's own checks among them) must
# not fall back to the host's C compiler.
find_program(CMAKE_C_COMPILER NAMES ${KELVOR_MINGW}-gcc-posix ${KELVOR_MINGW}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${KELVOR_MINGW}-g++-posix ${KELVOR_MINGW}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${KELVOR_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KELVOR_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A program that runs without the compiler's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
