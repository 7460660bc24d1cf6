# The column game: its rules without a window, a long random run, and the window.
montivant_test(gamefield_test ${CMAKE_CURRENT_LIST_DIR}/gamefield_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recordingview.h ${CMAKE_CURRENT_LIST_DIR}/wellhelpers.h)
montivant_test(gamesoak_test ${CMAKE_CURRENT_LIST_DIR}/soak_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recordingview.h ${CMAKE_CURRENT_LIST_DIR}/wellhelpers.h)
montivant_test(frmcolonnes_test ${CMAKE_CURRENT_LIST_DIR}/frmcolonnes_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wellhelpers.h)

# The game window alone on the real platform, to look at it under Xvfb; built
# only on demand (cmake --build . --target colonnes_driver).
add_executable(colonnes_driver EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/colonnes_driver.cpp)
target_link_libraries(colonnes_driver PRIVATE montivant_core)
