brindlemoor_test(test_level gl level/test_corridor_builder.cpp level/test_level_setup.cpp level/test_lights.cpp)
