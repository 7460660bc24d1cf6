# Read by cpack for each generator before it installs and packs. For the
# .deb: the Depends field is the fixed list plus what dpkg-shlibdeps reads off
# the built binaries (Qt, the C++ and C runtimes), as CPack's own option would
# give it, but without the ldconfig calls that option brings along.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(DPKG_SHLIBDEPS dpkg-shlibdeps REQUIRED)
  # dpkg-shlibdeps wants a debian/control in its working folder.
  set(work "${CPACK_PACKAGE_DIRECTORY}/_montivant_shlibdeps")
  file(MAKE_DIRECTORY "${work}/debian")
  file(TOUCH "${work}/debian/control")
  set(args)
  foreach(binary IN LISTS CPACK_MONTIVANT_BINARIES)
    list(APPEND args "-e${binary}")
  endforeach()
  execute_process(COMMAND "${DPKG_SHLIBDEPS}" -O ${args}
    WORKING_DIRECTORY "${work}"
    OUTPUT_VARIABLE shlibdeps
    RESULT_VARIABLE status
    ERROR_VARIABLE errors)
  file(REMOVE_RECURSE "${work}")
  if(NOT status EQUAL 0 OR NOT shlibdeps MATCHES "shlibs:Depends=([^\n]*)")
    message(FATAL_ERROR "dpkg-shlibdeps failed: ${errors}")
  endif()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_MONTIVANT_DEPENDS}, ${CMAKE_MATCH_1}")
endif()
