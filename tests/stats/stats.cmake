# Typing statistics, the history file, the adaptive word choice and the report.
brindlemoor_test(test_stats unit stats/test_stats.cpp)
brindlemoor_test(test_game_history gl stats/test_game_history.cpp)
