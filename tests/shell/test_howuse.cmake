abacolo_add_test(test_howuse ${CMAKE_CURRENT_LIST_DIR}/test_howuse.cpp LABELS shell)

# The drawing tool of the how-to-use window's pictures (tools/howuse/make_pictures.sh). It
# starts the whole window set with the test world's seed tables and fakes to take its
# screenshots, so it is built here, beside the tests' support library, and only on demand.
add_executable(howuse_pictures EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/howuse/howuse_pictures.cpp)
target_link_libraries(howuse_pictures PRIVATE abacolo_testsupport)
