brindlemoor_test(test_gameplay gl gameplay/test_collision.cpp gameplay/test_transitions.cpp gameplay/test_blackboards.cpp)
brindlemoor_test(test_playthrough gl gameplay/test_playthrough.cpp)
