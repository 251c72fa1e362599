brindlemoor_test(test_corridor unit level/test_corridor.cpp)
brindlemoor_test(test_level gl level/test_level.cpp)
