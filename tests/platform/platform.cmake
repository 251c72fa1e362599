brindlemoor_test(test_platform unit platform/test_input.cpp)
