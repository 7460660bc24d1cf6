# The compiled-in pictures and the sounds made at build time.
montivant_test(tst_resources ${CMAKE_CURRENT_LIST_DIR}/tst_resources.cpp)
target_compile_definitions(tst_resources PRIVATE
  MONTIVANT_SOUND_DIR="${CMAKE_BINARY_DIR}")
add_dependencies(tst_resources montivant_sounds)
