#include "stats/StatsSettings.h"

namespace brindlemoor::stats {

std::optional<std::string> historyFile(const std::string& value, const std::string& dataHome) {
    if (value == "off") {
        return std::nullopt;
    }
    if (!value.empty()) {
        return value;
    }
    if (dataHome.empty()) {
        return std::nullopt;
    }
    return dataHome + "/brindlemoor/history.sqlite3";
}

}  // namespace brindlemoor::stats
