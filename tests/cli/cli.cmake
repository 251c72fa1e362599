# The command line and the data lookup, without a window.
brindlemoor_test(test_cli unit
  cli/test_command_line.cpp
  cli/test_data_lookup.cpp)
