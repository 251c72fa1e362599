// The default word list: common English words in capitals, one per line.
#pragma once

#include <string>

namespace assetgen {

std::string defaultWordList();

}  // namespace assetgen
