brindlemoor_test(test_projection unit render/test_projection.cpp)
