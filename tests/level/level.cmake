brindlemoor_test(test_corridor unit level/test_corridor.cpp)
