// Chalk text on a blackboard: a strip of square quads, one per character,
// textured from the 8 x 8 character atlas, placed just in front of a board and
// leaning back 5 degrees.
#pragma once

#include <string>

#include "gl/Mesh.h"
#include "scene/SceneObject.h"
#include "scene/TextMesh.h"

namespace brindlemoor::scene {

class Text3D : public SceneObject {
public:
    Text3D(const Assets& assets, const gl::ShaderProgram* program, ImportReport report = ImportReport::Print);
    void update(double) override {}

    // Lower-cases the text and builds its mesh (letter size 1 at the origin).
    void setText(std::string text);
    // Builds the mesh of `text` (up to its first zero character), replacing the
    // previous text's.
    void buildMesh(const char* text, float size, float x, float y);
    // Makes `mesh` (built on the CPU, a text or chalk strokes) the one drawn.
    void setMesh(const TextMesh& mesh);
    // Puts the text on `board`, centred and 8 board units wide; `lowered`
    // board units lower for a second line.
    void placeOn(const Placement& board, float lowered = 0.0f);
    // Puts the mesh on `board` at (x, y) in board units (the lower left of
    // the first letter), `scale` board units to a mesh unit, leaning back as
    // the words do.
    void placeAt(const Placement& board, float x, float y, float scale);
    // Draws the text's own mesh (not the imported model) and leaves no
    // program in use.
    void draw() override;
    // Draws `count` letters from letter `first`, leaving the program in use.
    void drawLetters(std::size_t first, std::size_t count);

    GLuint vertexArray() const { return textMesh_.vertexArray(); }
    int faceCount() const { return faceCount_; }
    float textWidth() const { return textWidth_; }


private:
    io::Output& out_;
    gl::Mesh textMesh_;
    int faceCount_ = 0;
    float textWidth_ = 0.0f;
};

}  // namespace brindlemoor::scene
