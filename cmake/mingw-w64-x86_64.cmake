# Cross-compiles for 64-bit Windows with the MinGW-w64 compilers of Debian's
# g++-mingw-w64-x86-64-posix package. The posix flavour carries std::thread and
# std::mutex. Executables link the C and C++ runtimes statically, so that they import
# only DLLs that ship with Windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORVANE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORVANE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVANE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVANE_MINGW_PREFIX}-windres)
set(CMAKE_AR ${ORVANE_MINGW_PREFIX}-gcc-ar-posix CACHE FILEPATH "Archiver")
set(CMAKE_RANLIB ${ORVANE_MINGW_PREFIX}-gcc-ranlib-posix CACHE FILEPATH "Archive indexer")

set(CMAKE_FIND_ROOT_PATH /usr/${ORVANE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Release executables carry no symbol table; it would more than double their size.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-s")

# Tests and generated-file checks run the executables through Wine.
find_program(ORVANE_WINE64 wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(ORVANE_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVANE_WINE64})
endif()
