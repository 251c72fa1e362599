// Where the history file is (the `history` key).
#pragma once

#include <optional>
#include <string>

namespace brindlemoor::stats {

// The file the `history` value names: the default file in `dataHome` for an
// empty value (no key), nothing for "off", else the value itself (relative to
// the working folder).
std::optional<std::string> historyFile(const std::string& value, const std::string& dataHome);

}  // namespace brindlemoor::stats
