# The program's style and Qt's texts, at the screen scales 100 % and 150 %.
montivant_test(style_test ${CMAKE_CURRENT_LIST_DIR}/style_test.cpp)
add_test(NAME style_test_150 COMMAND style_test)
set_tests_properties(style_test_150 PROPERTIES
  ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=1.5" TIMEOUT 300)
set_property(TEST style_test_150 APPEND PROPERTY LABELS unit)
