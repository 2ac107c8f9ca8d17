abacolo_add_test(test_swfwriter ${CMAKE_CURRENT_LIST_DIR}/test_swfwriter.cpp LABELS flash)
target_link_libraries(test_swfwriter PRIVATE abacolo_swf)
