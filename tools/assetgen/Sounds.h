// Every sound the game plays, synthesised as 16-bit mono at kSoundRate.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

using Samples = std::vector<std::int16_t>;

Samples chalkTapSound();   // a correct letter: a short bright tick of chalk on the board
Samples scrapeSound();     // a wrong letter: a harsh chalk screech
Samples boardLiftSound();  // a board rises: wooden creak over a slide
Samples bumpSound();       // the boy walks into a board: a low thud
Samples footstepSound();   // one soft step, heel then toe
Samples chimeSound();      // the final board: a rising major arpeggio

}  // namespace assetgen
