# Cross-building with Debian's cross compiler against a sysroot of Debian's own
# packages for the target architecture (scripts/dev test-arch makes both):
#   cmake -DCMAKE_TOOLCHAIN_FILE=scripts/debian-cross.cmake
#         -DMONTIVANT_ARCH=i386|arm64 -DMONTIVANT_SYSROOT=DIR
#         -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/<build multiarch>/cmake
# Programs built for the target run here through CMAKE_CROSSCOMPILING_EMULATOR
# (ctest uses it): arm64 ones under qemu-user; i386 ones natively through the
# sysroot's own loader where this machine runs 32-bit x86 code, under
# qemu-i386-static where it refuses it (some hypervisors do, although the
# kernel has IA32 emulation: the loader then fails with "Exec format error").
# That is tried once at configure time; MONTIVANT_I386_EMULATOR=native|qemu
# decides instead (auto, the default, tries). The choice is kept in the cache
# as MONTIVANT_RUNS_UNDER.
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MONTIVANT_ARCH MONTIVANT_SYSROOT MONTIVANT_I386_EMULATOR)
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
  set(loader ${CMAKE_SYSROOT}/lib/i386-linux-gnu/ld-linux.so.2)
  if(NOT MONTIVANT_I386_EMULATOR)
    set(MONTIVANT_I386_EMULATOR auto)
  endif()
  if(MONTIVANT_I386_EMULATOR STREQUAL "auto")
    execute_process(COMMAND ${loader} --help RESULT_VARIABLE loader_status
                    OUTPUT_QUIET ERROR_VARIABLE loader_error)
    if(loader_status STREQUAL "0")
      set(MONTIVANT_I386_EMULATOR native)
    else()
      string(STRIP "${loader_error}" loader_error)
      message(STATUS "This machine does not run 32-bit x86 code (the sysroot's loader: ${loader_status}, ${loader_error}): i386 programs run under qemu-i386-static")
      set(MONTIVANT_I386_EMULATOR qemu)
    endif()
  endif()
  if(MONTIVANT_I386_EMULATOR STREQUAL "native")
    string(JOIN ":" library_path ${libdirs})
    set(CMAKE_CROSSCOMPILING_EMULATOR ${loader} --library-path ${library_path})
    set(MONTIVANT_RUNS_UNDER "native, through the sysroot's loader" CACHE INTERNAL "")
  elseif(MONTIVANT_I386_EMULATOR STREQUAL "qemu")
    set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386-static -L ${CMAKE_SYSROOT})
    set(MONTIVANT_RUNS_UNDER "qemu-i386-static" CACHE INTERNAL "")
  else()
    message(FATAL_ERROR "MONTIVANT_I386_EMULATOR must be auto, native or qemu, not '${MONTIVANT_I386_EMULATOR}'")
  endif()
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64-static -L ${CMAKE_SYSROOT})
  set(MONTIVANT_RUNS_UNDER "qemu-aarch64-static" CACHE INTERNAL "")
endif()
