brindlemoor_test(test_frame_loop gl app/test_toggles.cpp app/test_play_feel.cpp)
brindlemoor_test(test_startup gl app/test_startup.cpp)
add_dependencies(test_startup brindlemoor)
