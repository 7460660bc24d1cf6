# The program's command line acts on nothing, Qt's own options included.
if(NOT CMAKE_CXX_FLAGS MATCHES "sanitize")
  add_test(NAME reliability_command_line
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/command_line.sh $<TARGET_FILE:montivant>)
  set_tests_properties(reliability_command_line PROPERTIES TIMEOUT 300 LABELS needs-x)
endif()
