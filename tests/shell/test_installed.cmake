abacolo_add_test(test_installed ${CMAKE_CURRENT_LIST_DIR}/test_installed.cpp LABELS shell)
target_compile_definitions(test_installed PRIVATE ABACOLO_TEST_VERSION="${PROJECT_VERSION}")
