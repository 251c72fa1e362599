brindlemoor_test(test_models unit scene/test_models.cpp)
brindlemoor_test(test_scene_objects gl scene/test_scene_objects.cpp)
