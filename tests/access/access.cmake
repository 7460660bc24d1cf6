# A blind child's exercise with Debian's own screen reader, Orca, on the real
# program under a private X server: what Orca says is checked. Skipped (77)
# only where it cannot run at all: not root, with another Orca of ours running.
# access_orca_reward: the tenth success and the reward game (nine rounds
# through the accessibility bus, the tenth and the game from the keyboard).
if(NOT CMAKE_CXX_FLAGS MATCHES "sanitize")
  add_test(NAME access_orca
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/orca.sh $<TARGET_FILE:montivant>)
  add_test(NAME access_orca_reward
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/orca.sh $<TARGET_FILE:montivant> orca_reward.py)
  set_tests_properties(access_orca access_orca_reward PROPERTIES TIMEOUT 600 SKIP_RETURN_CODE 77
    RUN_SERIAL TRUE LABELS "needs-x;needs-root")
endif()
