montivant_test(numbers_test ${CMAKE_CURRENT_LIST_DIR}/numbers_test.cpp)
montivant_test(form1_test ${CMAKE_CURRENT_LIST_DIR}/form1_test.cpp)
