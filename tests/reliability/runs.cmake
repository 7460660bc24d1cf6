# Whole runs of the program with its real platform, driven from inside by
# montivant_drive: damaged and unwritable settings stores, a kill right after a
# save, bad tips files, a very long name, damaged scores, and fifty hand-overs
# between the exercise and the game (leak-checked in the sanitizer build).
add_executable(montivant_drive ${CMAKE_CURRENT_LIST_DIR}/drive.cpp)
target_link_libraries(montivant_drive PRIVATE montivant_core)

function(montivant_run_test name)
  add_test(NAME ${name}
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/runs.sh ${name} $<TARGET_FILE:montivant_drive> ${CMAKE_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES TIMEOUT 600
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.multimedia*=false")
endfunction()

foreach(case store_garbage store_readonly_file store_readonly_folder store_uncreatable
             save_then_sigkill tips_huge tips_random long_name stored_scores handovers)
  montivant_run_test(reliability_${case})
endforeach()
