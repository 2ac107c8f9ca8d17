abacolo_add_test(test_swfwriter ${CMAKE_CURRENT_LIST_DIR}/test_swfwriter.cpp LABELS flash)
target_link_libraries(test_swfwriter PRIVATE abacolo_swf)
# The test makes every movie again with the generator and compares it with the committed file.
add_dependencies(test_swfwriter make_movies)
set_property(TEST test_swfwriter APPEND PROPERTY ENVIRONMENT ABACOLO_MAKE_MOVIES=$<TARGET_FILE:make_movies>)
