# Runs the built program, so the program is built first.
abacolo_add_test(test_worksheetcommand ${CMAKE_CURRENT_LIST_DIR}/test_worksheetcommand.cpp LABELS worksheets)
add_dependencies(test_worksheetcommand abacolo)
