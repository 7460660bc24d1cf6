# Run by the test about_registry_windows_compiles (about.cmake) with cmake -P;
# kept out of the folder that the tests' list includes. Compiles
# platform/registry_windows.cpp for 64-bit Windows and links it into a small
# program that opens a key, so that the Windows registry calls are checked on
# a Linux machine.
find_program(MINGW_CXX NAMES x86_64-w64-mingw32-g++ x86_64-w64-mingw32-g++-posix
                             x86_64-w64-mingw32-g++-win32)
if(NOT MINGW_CXX)
  message("mingw-w64 cross-compiler not found (package g++-mingw-w64-x86-64): skipped")
  return()
endif()
file(MAKE_DIRECTORY ${OUTPUT})
file(WRITE ${OUTPUT}/main.cpp [=[
#include "platform/registry.h"
#include <memory>
int main()
{
    std::unique_ptr<platform::Registry> r(platform::makeSystemRegistry());
    platform::RegKey key = 0;
    const long status = r->openKey(platform::kHkeyLocalMachine,
                                   "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                                   platform::kKeyQueryValue, &key);
    unsigned char data[1024] = {};
    std::uint32_t size = sizeof data, type = 0;
    if (status == platform::kErrorSuccess)
        r->queryValue(key, "PATH", &type, data, &size);
    r->closeKey(key);
    return 0;
}
]=])
execute_process(
  COMMAND ${MINGW_CXX} -std=c++20 -Wall -Wextra -Werror -I${SOURCE_DIR}
          ${SOURCE_DIR}/platform/registry_windows.cpp ${OUTPUT}/main.cpp
          -ladvapi32 -o ${OUTPUT}/registry_check.exe
  RESULT_VARIABLE result
  OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "registry_windows.cpp does not build for Windows:\n${out}${err}")
endif()
# Qt headers are not on the cross-compiler's path: building proves the file
# free of Qt.
message("registry_windows.cpp builds for Windows with ${MINGW_CXX}")
