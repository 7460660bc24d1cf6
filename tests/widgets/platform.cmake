# The program's style and Qt's texts, at the screen scales 100 %, 125 % and 150 %.
montivant_test(style_test ${CMAKE_CURRENT_LIST_DIR}/style_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pixelcontrast.h ${CMAKE_CURRENT_LIST_DIR}/pixelcontrast.cpp)
foreach(scale 1.25 1.5)
  string(REPLACE "." "" percent "${scale}0")
  string(SUBSTRING "${percent}" 0 3 percent)
  add_test(NAME style_test_${percent} COMMAND style_test)
  set_tests_properties(style_test_${percent} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=${scale}" TIMEOUT 300)
  set_property(TEST style_test_${percent} APPEND PROPERTY LABELS unit)
endforeach()

# Pictures of the four windows with the contrast of their texts and marks
# measured from the pixels (montivant_schemeshots FOLDER SCHEME).
add_executable(montivant_schemeshots ${CMAKE_CURRENT_LIST_DIR}/schemeshots.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pixelcontrast.h ${CMAKE_CURRENT_LIST_DIR}/pixelcontrast.cpp)
target_link_libraries(montivant_schemeshots PRIVATE montivant_fakes)
target_compile_definitions(montivant_schemeshots PRIVATE
  MONTIVANT_RESOURCES="${CMAKE_SOURCE_DIR}/resources")

# A dark desktop for real: the gtk3 platform theme with Adwaita:dark under Xvfb.
if(NOT CMAKE_CXX_FLAGS MATCHES "sanitize")
  add_test(NAME style_dark_desktop
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/dark_desktop.sh $<TARGET_FILE:montivant_schemeshots>)
  set_tests_properties(style_dark_desktop PROPERTIES TIMEOUT 300 LABELS needs-x)
endif()

# Frames closed on all four sides at 100 %, 125 % and 175 %.
montivant_test(borders_test ${CMAKE_CURRENT_LIST_DIR}/borders_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pixelcontrast.h ${CMAKE_CURRENT_LIST_DIR}/pixelcontrast.cpp)
foreach(scale 125 175)
  add_test(NAME borders_test_${scale} COMMAND borders_test)
  math(EXPR whole "${scale} / 100")
  math(EXPR part "${scale} % 100")
  set_tests_properties(borders_test_${scale} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=${whole}.${part}" TIMEOUT 300)
  set_property(TEST borders_test_${scale} APPEND PROPERTY LABELS unit)
endforeach()

# The configure-time warning when the windows' font is missing.
add_test(NAME fonts_configure_warning
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/font_warning.sh ${CMAKE_SOURCE_DIR})
