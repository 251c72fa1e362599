# Sound, mixed on a loopback device: no sound card or display needed.
brindlemoor_test(test_audio unit audio/test_sound_system.cpp)
# The real game's sound written to a file by OpenAL's wave back end.
brindlemoor_test(test_game_sound gl audio/test_game_sound.cpp)
add_dependencies(test_game_sound brindlemoor)
