# Cross-building with Debian's cross compiler against a sysroot of Debian's own
# packages for the target architecture (scripts/dev test-arch makes both):
#   cmake -DCMAKE_TOOLCHAIN_FILE=scripts/debian-cross.cmake
#         -DMONTIVANT_ARCH=i386|arm64 -DMONTIVANT_SYSROOT=DIR
#         -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/<build multiarch>/cmake
# Programs built for the target run here through CMAKE_CROSSCOMPILING_EMULATOR
# (ctest uses it): i386 ones natively through the sysroot's own loader, arm64
# ones under qemu-user.
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MONTIVANT_ARCH MONTIVANT_SYSROOT)
set(CMAKE_SYSTEM_NAME Linux)
if(MONTIVANT_ARCH STREQUAL "i386")
  set(CMAKE_SYSTEM_PROCESSOR i686)
  set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
  set(triplet i686-linux-gnu)
elseif(MONTIVANT_ARCH STREQUAL "arm64")
  set(CMAKE_SYSTEM_PROCESSOR aarch64)
  set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
  set(triplet aarch64-linux-gnu)
else()
  message(FATAL_ERROR "MONTIVANT_ARCH must be i386 or arm64, not '${MONTIVANT_ARCH}'")
endif()
if(NOT IS_DIRECTORY "${MONTIVANT_SYSROOT}")
  message(FATAL_ERROR "MONTIVANT_SYSROOT must name the target's root, not '${MONTIVANT_SYSROOT}'")
endif()

set(CMAKE_CXX_COMPILER ${triplet}-g++)
set(CMAKE_SYSROOT ${MONTIVANT_SYSROOT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(libdirs ${CMAKE_SYSROOT}/lib/${CMAKE_LIBRARY_ARCHITECTURE} ${CMAKE_SYSROOT}/usr/lib/${CMAKE_LIBRARY_ARCHITECTURE})
# The sysroot's libraries pull in others: let the linker find them there.
list(TRANSFORM libdirs PREPEND "-Wl,-rpath-link," OUTPUT_VARIABLE rpath_links)
string(JOIN " " rpath_links ${rpath_links})
set(CMAKE_EXE_LINKER_FLAGS_INIT "${rpath_links}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${rpath_links}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${rpath_links}")

if(MONTIVANT_ARCH STREQUAL "i386")
  string(JOIN ":" library_path ${libdirs})
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_SYSROOT}/lib/i386-linux-gnu/ld-linux.so.2 --library-path ${library_path})
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static -L ${CMAKE_SYSROOT})
endif()
