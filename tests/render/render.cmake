brindlemoor_test(test_projection unit render/test_projection.cpp)
brindlemoor_test(test_render gl render/test_pictures.cpp render/test_shadows.cpp render/test_shader_programs.cpp)
