// The corridor of one game: every placed piece and blackboard, the lights, the
// two chalk texts, and the progress counters gameplay keeps on it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <glm/vec3.hpp>

namespace brindlemoor::render {
class ShaderProgram;
}
namespace brindlemoor::scene {
class SceneObject;
class Blackboard;
class Text3D;
}  // namespace brindlemoor::scene

namespace brindlemoor::level {

// Corridor measures in world units.
constexpr float kBlockLength = 24.0f;
constexpr float kCornerOffset = 17.4f;
constexpr float kStoreyHeight = 17.8f;
constexpr float kLightDistance = 8.0f;
constexpr float kLightHeight = 9.0f;
constexpr float kBoardDistance = 12.0f;
constexpr int kLightWindow = 5;

class Level {
public:
    // Seeds the random generator, then reads the configured level file or
    // generates a random layout, and builds the corridor.
    Level();
    ~Level();
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    // Layout
    void loadLevelFile(int length);
    void generateRandomLevel(int length);
    void buildCorridor(std::vector<std::string> codes);
    void placeBlackboard(std::unique_ptr<scene::Blackboard> board);
    void advanceCursor(const scene::SceneObject& piece);

    // Lights: moves the five-light window on by one and sends it to the shader.
    void advanceLights();

    // Drawing and texture filtering
    void setTextureFilter(int mode);
    void drawObjects();
    void prepareObjectsForShadows();
    void drawObjectsForShadows();

    // Words on the boards
    void showWord(const std::string& text);
    bool nextBlackboard(const std::string& word);

    render::ShaderProgram* shader = nullptr;  // not owned
    std::vector<std::unique_ptr<scene::SceneObject>> objects;
    std::vector<float> lightPositions;  // x, y, z per light
    int currentBlackboard = 0;
    int levelLength = 0;
    int lightIndex = -1;
    int heading = 0;
    glm::vec3 cursor{0.0f, 0.0f, 0.0f};
    int score = 0;
    std::vector<scene::Blackboard*> blackboards;  // owned by `objects`
    std::unique_ptr<scene::Text3D> evenText;
    std::unique_ptr<scene::Text3D> oddText;

private:
    // Constructs a piece, moves it to the cursor, turns it to the heading and
    // appends it to `objects`.
    template <class Piece>
    scene::SceneObject& place();
    void placeWall(char letter, bool leftSide);
};

}  // namespace brindlemoor::level
