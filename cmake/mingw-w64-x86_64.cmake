# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELSORA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELSORA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELSORA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VELSORA_MINGW}-windres)
set(CMAKE_AR /usr/bin/${VELSORA_MINGW}-ar CACHE FILEPATH "Archiver")
set(CMAKE_RANLIB /usr/bin/${VELSORA_MINGW}-ranlib CACHE FILEPATH "Ranlib")

# Libraries and headers come from the MinGW tree (and Qt's prefix); programs run here.
set(CMAKE_FIND_ROOT_PATH /usr/${VELSORA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
