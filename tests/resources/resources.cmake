# The compiled-in pictures and the sounds made at build time.
montivant_test(tst_resources ${CMAKE_CURRENT_LIST_DIR}/tst_resources.cpp)
target_compile_definitions(tst_resources PRIVATE
  MONTIVANT_SOUND_DIR="${CMAKE_BINARY_DIR}")
add_dependencies(tst_resources montivant_sounds)

# The windows' pictures on screens of 200 % and 150 %.
montivant_test(pictures_hidpi ${CMAKE_CURRENT_LIST_DIR}/pictures_test.cpp)
add_test(NAME pictures_hidpi_150 COMMAND pictures_hidpi)
set_tests_properties(pictures_hidpi_150 PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=1.5;QT_LOGGING_RULES=qt.multimedia*=false"
  TIMEOUT 300)
set_property(TEST pictures_hidpi_150 APPEND PROPERTY LABELS unit)
