# Cross-compiling for Windows with Debian's MinGW-w64 (scripts/windows.sh passes the architecture):
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DJSDEBUG_MINGW_ARCH=i686|x86_64
# The posix threading flavour of the compilers: the workflow's threads are std::thread.
# The runtime is linked statically, so the executables and v8.dll need no MinGW DLL beside them.
set(JSDEBUG_MINGW_ARCH i686 CACHE STRING "i686 (the build users get: E and the Script Control are 32-bit) or x86_64")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${JSDEBUG_MINGW_ARCH})
set(triple ${JSDEBUG_MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Tests run the Windows programs under Wine, through the loader for their width: Debian's `wine`
# script always starts the 32-bit loader first, which a kernel without IA-32 emulation cannot run.
if(JSDEBUG_MINGW_ARCH STREQUAL "x86_64")
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine)
endif()
