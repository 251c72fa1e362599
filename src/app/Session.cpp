#include "app/Session.h"

#include "app/GameState.h"
#include "gameplay/MovementState.h"
#include "gameplay/WordState.h"

namespace brindlemoor::app {

Session::Session(io::Output& out_, io::DataFolder data_, Options options_)
    : out(out_), options(std::move(options_)), data(std::move(data_)), models(data), statistics(out_) {
    gameState = GameState{};
    gameplay::movementState = gameplay::MovementState{};
    gameplay::wordState = gameplay::WordState{};
}

SettingsTarget Session::settingsTarget() { return SettingsTarget{gameState, settings}; }

}  // namespace brindlemoor::app
