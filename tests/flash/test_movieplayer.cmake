# Drives the real movie player module: built first, and run with the engine's sandbox off when
# the tests run as root (the engine refuses to start its sandbox as root).
abacolo_add_test(test_movieplayer ${CMAKE_CURRENT_LIST_DIR}/test_movieplayer.cpp LABELS flash)
target_link_libraries(test_movieplayer PRIVATE Qt6::Network)
if(TARGET abacolo_flashplayer)
    add_dependencies(test_movieplayer abacolo_flashplayer)
endif()
execute_process(COMMAND id -u OUTPUT_VARIABLE _abacolo_uid OUTPUT_STRIP_TRAILING_WHITESPACE)
if(_abacolo_uid STREQUAL "0")
    set_property(TEST test_movieplayer APPEND PROPERTY ENVIRONMENT QTWEBENGINE_DISABLE_SANDBOX=1)
endif()
