brindlemoor_test(test_gameplay unit gameplay/test_walks.cpp gameplay/test_words.cpp)
brindlemoor_test(test_playthrough gl gameplay/test_playthrough.cpp gameplay/test_challenge.cpp)
