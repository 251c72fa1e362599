// Base of everything drawn: one imported model turned into one vertex array per
// mesh, a colour texture and a normal map, a model matrix with the world
// position and quarter-turn orientation kept beside it, and a world-space box
// that collision uses.
#pragma once

#include <string>
#include <vector>

#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include "scene/ModelLibrary.h"

struct aiMesh;

namespace brindlemoor::render {
class ShaderProgram;
}

namespace brindlemoor::scene {

struct MeshEntry {
    unsigned int vertexArray = 0;
    const aiMesh* mesh = nullptr;
    unsigned int faceCount = 0;  // triangles: 3 indices each
};

class SceneObject {
public:
    SceneObject(const glm::mat4& initialMatrix, render::ShaderProgram* program, std::string modelPath,
                std::string colorTexturePath, std::string normalTexturePath);
    virtual ~SceneObject();
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;

    // Per-frame update with the frame time in seconds.
    virtual void update(double dt) = 0;
    // Draws the scene-pass meshes; the caller has set program, textures, uniforms.
    virtual void draw();
    // Draws the position-only meshes of the shadow pass (nothing before prepareShadow).
    virtual void drawForShadows();

    void buildBuffers();
    unsigned int loadTexture(const std::string& path);
    void prepareShadow(render::ShaderProgram* depthProgram);

    // Moves the object along its own axes.
    void translate(float x, float y, float z);
    // Turns the object by k quarter turns about +y (k from 0 to 3).
    void rotate(int k);
    void computeBoundingBox();
    std::string getTypeCode() const;

    glm::mat4 modelMatrix;
    glm::vec3 position{0.0f, 0.0f, 0.0f};
    unsigned int colorTexture = 0;
    unsigned int normalTexture = 0;
    // Buffers of the most recently built mesh (every mesh's buffers are kept
    // in ownedBuffers_ as well, and all of them are released on destruction).
    unsigned int positionBuffer = 0;
    unsigned int indexBuffer = 0;
    unsigned int uvBuffer = 0;
    unsigned int normalBuffer = 0;
    unsigned int tangentBuffer = 0;
    unsigned int bitangentBuffer = 0;
    unsigned int shadowIndexBuffer = 0;
    unsigned int shadowPositionBuffer = 0;
    render::ShaderProgram* program = nullptr;  // not owned
    std::string modelPath;
    std::string colorTexturePath;
    std::string normalTexturePath;
    glm::vec4 boxLower{0.0f};
    glm::vec4 boxUpper{0.0f};
    glm::vec3 boxCentre{0.0f};
    int orientation = 0;
    std::string typeCode;
    OwnedScene importedScene;       // this object's own copy of the model
    const aiScene* scene = nullptr; // null when the import failed
    std::vector<MeshEntry> meshEntries;
    std::vector<MeshEntry> shadowMeshEntries;
    bool shadowReady = false;

private:
    unsigned int makeBuffer(unsigned int target, std::size_t bytes, const void* data);
    std::vector<unsigned int> ownedBuffers_;
};

// Sets the minification filter of the bound 2D texture: 0 nearest, 1 linear,
// 2 to 5 the four mipmap filters; anything else linear-mipmap-linear.
void applyMinFilter(int mode);

}  // namespace brindlemoor::scene
