# Cross compiling for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads flavour, which
# gives the standard library its threads and mutexes). Programs built here run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw x86_64-w64-mingw32)

find_program(CMAKE_C_COMPILER NAMES ${mingw}-gcc-posix REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${mingw}-g++-posix REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${mingw}-windres REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs run under Wine, quietly.
find_program(FAREWRIGHT_WINE NAMES wine wine64)
if(FAREWRIGHT_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${FAREWRIGHT_WINE})
endif()
