# Game logic that needs no window: settings, layouts, level files, words.
brindlemoor_test(test_logic unit
  logic/test_config.cpp
  logic/test_layout.cpp
  logic/test_level_file.cpp
  logic/test_words.cpp)
