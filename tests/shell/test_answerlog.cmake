# Reads and makes log files of its own through SQLite, and starts itself as a second copy.
abacolo_add_test(test_answerlog ${CMAKE_CURRENT_LIST_DIR}/test_answerlog.cpp LABELS shell)
target_link_libraries(test_answerlog PRIVATE Qt6::Sql)
