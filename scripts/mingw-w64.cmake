# Cross-building for 64-bit Windows with Debian's mingw-w64 (its posix thread
# model, which Qt needs for std::thread and std::mutex).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
# Qt for Windows, built from Debian's source into the cache, is found there too.
if(DEFINED MONTIVANT_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${MONTIVANT_QT_WINDOWS})
  list(APPEND CMAKE_PREFIX_PATH ${MONTIVANT_QT_WINDOWS})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Tests and helpers built for Windows run here under Wine.
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR wine)
endif()
