brindlemoor_test(test_scene_objects gl scene/test_scene_objects.cpp scene/test_catalogue.cpp scene/test_text3d.cpp)
