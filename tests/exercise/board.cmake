# The answer board, the check and score, the sort engine, the solution and the
# hand-over to the reward game.
montivant_test(board_test ${CMAKE_CURRENT_LIST_DIR}/board_test.cpp)
montivant_test(check_test ${CMAKE_CURRENT_LIST_DIR}/check_test.cpp)
montivant_test(sort_test ${CMAKE_CURRENT_LIST_DIR}/sort_test.cpp)
montivant_test(solution_test ${CMAKE_CURRENT_LIST_DIR}/solution_test.cpp)
montivant_test(handover_test ${CMAKE_CURRENT_LIST_DIR}/handover_test.cpp)
montivant_test(access_test ${CMAKE_CURRENT_LIST_DIR}/access_test.cpp)
# The board under a finger (touch events), and the game window too.
montivant_test(touch_test ${CMAKE_CURRENT_LIST_DIR}/touch_test.cpp)
# The board under real pointer input on an X server, at the screen scales
# 100 % and 150 % (drops land where the pointer is). Not in the sanitizer
# build: AddressSanitizer stops at an over-read inside libxkbcommon-x11 as Qt
# connects to the X server, before any code of ours runs.
if(NOT CMAKE_CXX_FLAGS MATCHES "sanitize")
  add_executable(realinput_test ${CMAKE_CURRENT_LIST_DIR}/realinput_test.cpp)
  target_link_libraries(realinput_test PRIVATE montivant_fakes)
  foreach(scale 1 1.5)
    set(name realinput_test)
    if(NOT scale STREQUAL "1")
      set(name realinput_test_150)
    endif()
    add_test(NAME ${name}
      COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../reliability/under_x.sh $<TARGET_FILE:realinput_test>)
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 ENVIRONMENT "QT_SCALE_FACTOR=${scale}"
      LABELS needs-x)
  endforeach()
endif()
