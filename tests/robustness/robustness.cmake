# Damaged data files: models, textures and the text files the game reads.
brindlemoor_test(test_robustness gl
  robustness/DamagedObject.cpp
  robustness/test_damaged_models.cpp
  robustness/test_damaged_textures.cpp)
brindlemoor_test(test_damaged_word_lists unit robustness/test_damaged_word_lists.cpp)
