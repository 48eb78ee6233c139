# Cross-builds the engines, csp-report and their tests for 64-bit Windows
# with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix):
#   cmake --toolchain cmake/mingw-w64-x86_64.cmake -S . -B build-windows ...
# Libraries built for the target (libcsv, and CLI11's headers) are found
# under the folders given in CMAKE_FIND_ROOT_PATH, besides MinGW-w64's own.
# Where Wine is installed it runs the test programs, so that ctest works.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CSP_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${CSP_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${CSP_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${CSP_MINGW_TRIPLE}-windres)

list(APPEND CMAKE_FIND_ROOT_PATH /usr/${CSP_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes of the compiler (libgcc, libstdc++, winpthreads)
# are linked in, so that a program needs nothing but Windows' own DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(CSP_WINE wine)
if(CSP_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CSP_WINE})
endif()
