# The tips file's reading, and the tip-of-the-day window.
montivant_test(tips_file ${CMAKE_CURRENT_LIST_DIR}/tipsfile_test.cpp)
montivant_test(tips_window ${CMAKE_CURRENT_LIST_DIR}/frmtip_test.cpp)
