# Hundreds of games in one process (BRINDLEMOOR_SOAK_GAMES sets how many).
brindlemoor_test(test_soak long soak/test_soak.cpp)
