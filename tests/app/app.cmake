montivant_test(settings_test ${CMAKE_CURRENT_LIST_DIR}/settings_test.cpp)
montivant_test(startup_test ${CMAKE_CURRENT_LIST_DIR}/startup_test.cpp)
montivant_test(lockfolder_test ${CMAKE_CURRENT_LIST_DIR}/lockfolder_test.cpp)
