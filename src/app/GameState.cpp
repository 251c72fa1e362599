#include "app/GameState.h"

#include "gl/ShaderProgram.h"
#include "level/Level.h"
#include "render/ShadowMap.h"
#include "scene/Player.h"

namespace brindlemoor::app {

GameState gameState;

GameState::GameState() = default;
GameState::~GameState() = default;
GameState::GameState(GameState&&) noexcept = default;
GameState& GameState::operator=(GameState&&) noexcept = default;

}  // namespace brindlemoor::app
