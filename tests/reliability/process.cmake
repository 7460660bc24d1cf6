# The real program as processes: the single-copy rule under a race, and after a
# copy was killed.
if(NOT CMAKE_CXX_FLAGS MATCHES "sanitize")
  add_test(NAME reliability_single_copy
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/reliability/single_copy.sh $<TARGET_FILE:montivant>)
  set_tests_properties(reliability_single_copy PROPERTIES TIMEOUT 300)
endif()
