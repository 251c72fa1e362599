// config.txt as the player might have mangled it: every value that reaches
// the game state must stay within the limits the window and level rely on.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "app/Config.h"
#include "app/GameState.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using brindlemoor::fuzz::require;
    namespace app = brindlemoor::app;
    app::gameState = app::GameState{};
    app::Settings settings;
    app::SettingsTarget target{app::gameState, settings};
    app::readConfigFile(brindlemoor::fuzz::writeScratchFile(data, size), target, brindlemoor::fuzz::nowhere());
    const brindlemoor::app::GameState& state = brindlemoor::app::gameState;
    require(state.width >= 0 && state.width <= 1920, "width within 0..1920");
    require(state.height >= 0 && state.height <= 1080, "height within 0..1080");
    require(state.levelLength >= 0 && state.levelLength <= 99, "level length within 0..99");
    return 0;
}
