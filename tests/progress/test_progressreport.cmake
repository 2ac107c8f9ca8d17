# Writes a log file of the old layout through SQLite.
abacolo_add_test(test_progressreport ${CMAKE_CURRENT_LIST_DIR}/test_progressreport.cpp LABELS progress)
target_link_libraries(test_progressreport PRIVATE Qt6::Sql)
