// Chalk text on a blackboard: a strip of square quads, one per character,
// textured from the 8 x 8 character atlas, placed just in front of a board and
// leaning back 5 degrees.
#pragma once

#include <string>

#include "scene/SceneObject.h"

namespace brindlemoor::scene {

class Text3D : public SceneObject {
public:
    explicit Text3D(render::ShaderProgram* program);
    ~Text3D() override;
    void update(double) override {}

    // Lower-cases the text and builds its mesh (letter size 1 at the origin).
    void setText(std::string text);
    // Builds the mesh of `text` (up to its first zero character); the previous
    // text's vertex array and buffers are released.
    void buildMesh(const char* text, float size, float x, float y);
    // Puts the text on `board`, centred and 8 board units wide.
    void placeOn(const SceneObject& board);
    void draw() override;
    void reportGlError(std::string label);

    unsigned int vertexArray = 0;
    int faceCount = 0;
    float textWidth = 0.0f;

    static const std::string modelFile;

private:
    void releaseTextMesh();
};

}  // namespace brindlemoor::scene
