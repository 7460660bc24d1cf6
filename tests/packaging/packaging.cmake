# The Debian package as Debian and the desktops see it, and the tips file it
# ships as a parent and a child read it.
set(pkg_tests ${CMAKE_CURRENT_LIST_DIR})

# The shipped tips: encoding, French spacing, every tip whole in the window,
# and the way back to the tips that one of them gives.
# On Windows the tips are those of its program folder, and the way back to
# them goes through the registry (tests/windows).
if(WIN32)
  set(packaging_shipped_tips_FUNCTIONS windowsTextWithCrLf frenchSpacing wholeInTheWindow)
  set(shipped_tips_file ${CMAKE_BINARY_DIR}/TIPOFDAY.TXT)
else()
  set(shipped_tips_file ${CMAKE_SOURCE_DIR}/resources/TIPOFDAY.TXT)
endif()
montivant_test(packaging_shipped_tips ${pkg_tests}/shipped_tips_test.cpp)
target_compile_definitions(packaging_shipped_tips PRIVATE
  MONTIVANT_TIPS_FILE="${shipped_tips_file}")

# The screenshots of the guide for parents (scripts/screenshots builds it).
add_executable(montivant_screens EXCLUDE_FROM_ALL ${pkg_tests}/screens.cpp)
target_link_libraries(montivant_screens PRIVATE montivant_core)

if(NOT CMAKE_CXX_FLAGS MATCHES "sanitize")
  # The .deb, built once per run by dpkg-buildpackage from the source tree,
  # for every test that reads it.
  add_test(NAME packaging_deb
    COMMAND bash ${pkg_tests}/build_deb.sh ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR})
  set_tests_properties(packaging_deb PROPERTIES
    FIXTURES_SETUP montivant_deb TIMEOUT 1800 LABELS needs-deb)
  add_test(NAME packaging_lintian
    COMMAND bash ${pkg_tests}/lintian.sh ${CMAKE_BINARY_DIR})
  add_test(NAME packaging_conffile_upgrade
    COMMAND bash ${pkg_tests}/conffile_upgrade.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(packaging_lintian packaging_conffile_upgrade PROPERTIES
    FIXTURES_REQUIRED montivant_deb TIMEOUT 300)
  set_tests_properties(packaging_lintian PROPERTIES LABELS needs-deb)
  set_tests_properties(packaging_conffile_upgrade PROPERTIES LABELS "needs-deb;needs-root")

  add_executable(montivant_soundcheck ${pkg_tests}/soundcheck.cpp)
  target_link_libraries(montivant_soundcheck PRIVATE montivant_core)
  add_test(NAME packaging_sound_name
    COMMAND bash ${pkg_tests}/sound_name.sh $<TARGET_FILE:montivant_soundcheck> ${CMAKE_BINARY_DIR})
  add_test(NAME packaging_wayland_app_id
    COMMAND bash ${pkg_tests}/wayland_app_id.sh $<TARGET_FILE:montivant>
            ${CMAKE_BINARY_DIR}/packaging/fr.montivant.montivant.desktop)
  set_tests_properties(packaging_conffile_upgrade packaging_sound_name packaging_wayland_app_id
    PROPERTIES SKIP_RETURN_CODE 77)
  set_tests_properties(packaging_sound_name packaging_wayland_app_id PROPERTIES TIMEOUT 120)
  set_tests_properties(packaging_sound_name PROPERTIES LABELS needs-sound)
  set_tests_properties(packaging_wayland_app_id PROPERTIES LABELS needs-wayland)
endif()
