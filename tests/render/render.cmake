brindlemoor_test(test_render gl render/test_pictures.cpp)
