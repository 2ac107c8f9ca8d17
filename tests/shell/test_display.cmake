# The display tests start Xorg with the dummy driver and run the real program on it, and
# talk to that server through Xlib and RandR, clicking through XTest.
abacolo_add_test(test_display ${CMAKE_CURRENT_LIST_DIR}/test_display.cpp
                 ${CMAKE_CURRENT_LIST_DIR}/dummyxserver.cpp ${CMAKE_CURRENT_LIST_DIR}/dummyxserver.h
                 LABELS shell)
target_link_libraries(test_display PRIVATE X11::X11 X11::Xrandr X11::Xtst)
add_dependencies(test_display abacolo)
