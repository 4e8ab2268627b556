# The same sources built as a 64-bit Windows program, for the Windows-side
# tests. Machines whose kernel runs no 32-bit code cannot run the 32-bit
# build under Wine, but Wine's 64-bit loader runs this one; what the tests
# check of the portable code and of the Win32 calls is the same.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(QD_WINE64 wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(QD_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QD_WINE64})
endif()
