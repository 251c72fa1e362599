# The command line, the data lookup and recordings, without a window.
brindlemoor_test(test_cli unit
  cli/test_command_line.cpp
  cli/test_data_lookup.cpp
  cli/test_recording.cpp)
