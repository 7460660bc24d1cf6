# A blind child's exercise with Debian's own screen reader, Orca, on the real
# program under a private X server: what Orca says is checked. Skipped (77)
# only where it cannot run at all: not root, with another Orca of ours running.
if(NOT CMAKE_CXX_FLAGS MATCHES "sanitize")
  add_test(NAME access_orca
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/orca.sh $<TARGET_FILE:montivant>)
  set_tests_properties(access_orca PROPERTIES TIMEOUT 240 SKIP_RETURN_CODE 77 RUN_SERIAL TRUE
    LABELS "needs-x;needs-root")
endif()
