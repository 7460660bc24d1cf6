# The About window, the registry reads behind its system-information button,
# and the Windows registry file compiled by a cross-compiler.
montivant_test(about_window ${CMAKE_CURRENT_LIST_DIR}/frmabout_test.cpp)
if(WIN32)
  return() # the real registry is tested in tests/windows
endif()
montivant_test(about_registry_linux ${CMAKE_CURRENT_LIST_DIR}/registry_linux_test.cpp)

# Needs Debian's g++-mingw-w64-x86-64; skipped when it is not installed.
add_test(NAME about_registry_windows_compiles
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR}
          -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/registry_windows_check
          -P ${CMAKE_CURRENT_LIST_DIR}/scripts/compile_registry_windows.cmake)
set_tests_properties(about_registry_windows_compiles PROPERTIES
  SKIP_REGULAR_EXPRESSION "mingw-w64 cross-compiler not found")
