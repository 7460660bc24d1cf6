if(WIN32)
  # The INI file's own cases are Linux's; the registry's are in tests/windows.
  set(settings_test_FUNCTIONS toInt32 defaultsAndNames numericKeyWithGarbage)
endif()
montivant_test(settings_test ${CMAKE_CURRENT_LIST_DIR}/settings_test.cpp)
montivant_test(startup_test ${CMAKE_CURRENT_LIST_DIR}/startup_test.cpp)
# The lock's private folder is Linux's (Windows uses a mutex of the session).
if(NOT WIN32)
  montivant_test(lockfolder_test ${CMAKE_CURRENT_LIST_DIR}/lockfolder_test.cpp)
endif()
