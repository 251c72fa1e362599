brindlemoor_test(test_render gl render/test_pictures.cpp render/test_shadows.cpp render/test_shader_programs.cpp)
