// The settings of the statistics: where the history file is (the `history`
// key) and how words are chosen (the `words` key).
#pragma once

#include <optional>
#include <string>

namespace brindlemoor::stats {

// The user's data folder: $XDG_DATA_HOME when it is an absolute path, else
// ~/.local/share; empty when no home folder is known.
std::string dataHomeFromEnvironment();

// The file the `history` value names: the default file in `dataHome` for an
// empty value (no key), nothing for "off", else the value itself (relative to
// the working folder).
std::optional<std::string> historyFile(const std::string& value, const std::string& dataHome);

enum class WordChoice { Random, Adaptive };

// Exactly "adaptive" turns the adaptive choice on; anything else is random.
WordChoice wordChoice(const std::string& value);

}  // namespace brindlemoor::stats
