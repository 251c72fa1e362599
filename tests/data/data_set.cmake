# The committed data set under Resources/ and the generator that makes it.
brindlemoor_test(test_data_set unit data/test_models.cpp)
target_compile_definitions(test_data_set PRIVATE ASSETGEN_BINARY="$<TARGET_FILE:brindlemoor_assetgen>")
add_dependencies(test_data_set brindlemoor_assetgen)
