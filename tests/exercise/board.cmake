# The answer board, the check and score, the sort engine, the solution and the
# hand-over to the reward game.
montivant_test(board_test ${CMAKE_CURRENT_LIST_DIR}/board_test.cpp)
montivant_test(check_test ${CMAKE_CURRENT_LIST_DIR}/check_test.cpp)
montivant_test(sort_test ${CMAKE_CURRENT_LIST_DIR}/sort_test.cpp)
montivant_test(solution_test ${CMAKE_CURRENT_LIST_DIR}/solution_test.cpp)
montivant_test(handover_test ${CMAKE_CURRENT_LIST_DIR}/handover_test.cpp)
montivant_test(access_test ${CMAKE_CURRENT_LIST_DIR}/access_test.cpp)
# The board under real pointer input on an X server.
add_executable(realinput_test ${CMAKE_CURRENT_LIST_DIR}/realinput_test.cpp)
target_link_libraries(realinput_test PRIVATE montivant_fakes)
add_test(NAME realinput_test
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../reliability/under_x.sh $<TARGET_FILE:realinput_test>)
set_tests_properties(realinput_test PROPERTIES TIMEOUT 300)
# The same at a screen scale of 150 %: drops still land where the pointer is.
add_test(NAME realinput_test_150
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../reliability/under_x.sh $<TARGET_FILE:realinput_test>)
set_tests_properties(realinput_test_150 PROPERTIES TIMEOUT 300 ENVIRONMENT "QT_SCALE_FACTOR=1.5")
