# Installation and the Debian package: the files validate, and the installed or
# unpacked program starts up to its first window. A sanitizer build checks
# the code, not the packages, so it leaves these out. More package checks
# (lintian, the configuration file across upgrades, the program's name in the
# sound server and on Wayland) are in tests/packaging/.
if(NOT CMAKE_CXX_FLAGS MATCHES "sanitize")
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(APPSTREAMCLI appstreamcli)
  set(rel_dir ${CMAKE_CURRENT_SOURCE_DIR}/reliability)
  set(pkg_dir ${CMAKE_BINARY_DIR}/packaging)

  add_test(NAME packaging_desktop_entry
    COMMAND ${DESKTOP_FILE_VALIDATE} ${pkg_dir}/fr.montivant.montivant.desktop)
  add_test(NAME packaging_metainfo
    COMMAND ${APPSTREAMCLI} validate --pedantic --no-net ${pkg_dir}/fr.montivant.montivant.metainfo.xml)
  add_test(NAME packaging_install_runs
    COMMAND bash ${rel_dir}/install_runs.sh ${CMAKE_BINARY_DIR} install)
  add_test(NAME packaging_deb_runs
    COMMAND bash ${rel_dir}/install_runs.sh ${CMAKE_BINARY_DIR} deb)
  set_tests_properties(packaging_install_runs packaging_deb_runs PROPERTIES TIMEOUT 300)
  set_tests_properties(packaging_install_runs PROPERTIES LABELS needs-x)
  set_tests_properties(packaging_deb_runs PROPERTIES
    FIXTURES_REQUIRED montivant_deb LABELS "needs-x;needs-deb")
endif()
