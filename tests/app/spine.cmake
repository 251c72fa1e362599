brindlemoor_test(test_camera unit app/test_camera.cpp)
brindlemoor_test(test_frame_loop gl app/test_frame_loop.cpp)
brindlemoor_test(test_startup gl app/test_startup.cpp)
add_dependencies(test_startup brindlemoor)
