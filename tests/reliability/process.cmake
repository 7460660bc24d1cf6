# The real program as processes: the single-copy rule under a race, and after a
# copy was killed, with and without a session runtime folder; and two user
# accounts, neither of which can stop the other's program from starting.
if(NOT CMAKE_CXX_FLAGS MATCHES "sanitize")
  add_test(NAME reliability_single_copy
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/reliability/single_copy.sh $<TARGET_FILE:montivant> runtime)
  add_test(NAME reliability_single_copy_no_runtime
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/reliability/single_copy.sh $<TARGET_FILE:montivant> none)
  add_test(NAME reliability_two_users
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/reliability/two_users.sh $<TARGET_FILE:montivant>)
  set_tests_properties(reliability_single_copy reliability_single_copy_no_runtime
    reliability_two_users PROPERTIES TIMEOUT 300)
  # Without root the two accounts cannot be played: the test says so and is skipped.
  set_tests_properties(reliability_two_users PROPERTIES SKIP_RETURN_CODE 77)
  set_tests_properties(reliability_single_copy reliability_single_copy_no_runtime PROPERTIES
    LABELS needs-x)
  set_tests_properties(reliability_two_users PROPERTIES LABELS "needs-x;needs-root")
endif()
