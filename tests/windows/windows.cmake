# Windows's own services under Wine: the settings in the registry, the sounds'
# call, the About window's two registry locations with a planted tool, and the
# way back to the tips that the Windows tips give. The rest of the unit suite
# runs unchanged under Wine (CMAKE_CROSSCOMPILING_EMULATOR, wine-run.sh).
if(NOT WIN32)
  return()
endif()
montivant_test(windows_services ${CMAKE_CURRENT_LIST_DIR}/windows_services_test.cpp)
# A stand-in for the system information tool: it leaves a mark beside itself.
add_executable(planted_tool ${CMAKE_CURRENT_LIST_DIR}/planted_tool.cpp)
set_target_properties(planted_tool PROPERTIES AUTOMOC OFF)
add_dependencies(windows_services planted_tool)
target_compile_definitions(windows_services PRIVATE
  MONTIVANT_PLANTED_TOOL="$<TARGET_FILE:planted_tool>"
  MONTIVANT_TIPS_FILE="${CMAKE_BINARY_DIR}/TIPOFDAY.TXT"
  MONTIVANT_SOUND_DIR="${CMAKE_BINARY_DIR}")
add_dependencies(windows_services montivant_sounds)
