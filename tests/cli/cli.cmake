# config.txt, the command line, the data lookup and recordings, without a window.
brindlemoor_test(test_cli unit cli/test_cli.cpp)

# The game installed into a temporary prefix and started from there.
brindlemoor_test(test_install gl cli/test_install.cpp)
target_compile_definitions(test_install PRIVATE BRINDLEMOOR_BUILD_DIR="${PROJECT_BINARY_DIR}")
add_dependencies(test_install brindlemoor)
brindlemoor_test(test_replay gl cli/test_replay.cpp)
add_dependencies(test_replay brindlemoor)
