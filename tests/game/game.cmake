# The column game: its rules without a window, a long random run, and the window.
montivant_test(gamefield_test ${CMAKE_CURRENT_LIST_DIR}/gamefield_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recordingview.h ${CMAKE_CURRENT_LIST_DIR}/wellhelpers.h)
montivant_test(gamesoak_test ${CMAKE_CURRENT_LIST_DIR}/soak_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recordingview.h ${CMAKE_CURRENT_LIST_DIR}/wellhelpers.h)
montivant_test(frmcolonnes_test ${CMAKE_CURRENT_LIST_DIR}/frmcolonnes_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wellhelpers.h)
