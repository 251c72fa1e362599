# Sound, mixed on a loopback device: no sound card or display needed.
brindlemoor_test(test_audio unit audio/test_sound_system.cpp audio/test_sound_parts.cpp)
