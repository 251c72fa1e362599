// Base of everything drawn: a placement in the world plus the GPU side of one
// model (one mesh per model mesh, built for the scene program, and a second,
// position-only set for the shadow pass) and its colour texture and normal
// map. Every object owns its own GL objects; the CPU model data is shared.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "gl/Handle.h"
#include "gl/Mesh.h"
#include "scene/Assets.h"
#include "scene/ModelData.h"
#include "scene/Placement.h"

namespace brindlemoor::gl {
class ShaderProgram;
}

namespace brindlemoor::scene {

// Whether making an object prints the model importer's report (an empty line
// on success) as the game's objects always have.
enum class ImportReport { Print, Silent };

class SceneObject : public Placement {
public:
    // Imports the model (a failure prints one line to standard error and
    // leaves an object that draws nothing and has no box), builds its meshes
    // against `program` and loads both textures.
    SceneObject(const Assets& assets, const glm::mat4& initialMatrix, const gl::ShaderProgram* program, std::string modelPath,
                std::string colorTexturePath, std::string normalTexturePath,
                ImportReport report = ImportReport::Print);
    // The same with the files the catalogue gives the kind `code`, and that type code.
    SceneObject(const Assets& assets, TypeCode code, const gl::ShaderProgram* program,
                ImportReport report = ImportReport::Print);
    virtual ~SceneObject() = default;
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;

    // Per-frame update with the frame time in seconds.
    virtual void update(double dt) = 0;
    // Draws the scene-pass meshes; the caller has set program, textures, uniforms.
    virtual void draw();
    // Draws the position-only meshes of the shadow pass (nothing before prepareShadow).
    virtual void drawForShadows();
    // Builds the shadow-pass meshes against the depth program (once).
    void prepareShadow(const gl::ShaderProgram& depthProgram);
    // Draws the scene-pass meshes (or the shadow pass's) placed by `placement`,
    // uploaded to the matrix `uniform` of `program`. An object whose parts
    // move (the player) gives each part its own matrix.
    virtual void drawPlaced(GLuint program, const char* uniform, const glm::mat4& placement, bool shadowMeshes);

    // The scene pass's draws of this object with `program` current: textured
    // (colour texture on unit 0, and the normal map on unit 1 when asked), or
    // as black cel outline copies scaled about its origin with front faces
    // culled and no texture. The program is made current again afterwards,
    // since a chalk text's draw leaves none in use.
    void drawTextured(GLuint program, bool withNormalMap);
    // The first half of drawTextured: the textures bound and the model matrix
    // uploaded, for callers that draw parts of the object themselves.
    void bindForDrawing(GLuint program, bool withNormalMap);
    void drawOutline(GLuint program, std::initializer_list<float> scales);

    GLuint colorTexture() const { return colorTexture_.name(); }
    GLuint normalTexture() const { return normalTexture_.name(); }
    bool shadowReady() const { return shadowReady_; }
    std::size_t meshCount() const { return meshEntries_.size(); }
    // The name of mesh i in the model file (its object); empty past the meshes.
    const std::string& meshName(std::size_t i) const;

    const gl::ShaderProgram* program = nullptr;  // not owned
    std::string modelPath;
    std::string colorTexturePath;
    std::string normalTexturePath;

protected:
    // Binds and draws mesh i of the scene pass (or of the shadow pass, once
    // prepared); nothing past the meshes.
    void drawMesh(std::size_t i, bool shadowMeshes) const;

private:
    void bindTextures(GLuint program, bool withNormalMap);

    std::shared_ptr<const ModelData> model_;
    std::vector<gl::Mesh> meshEntries_;
    std::vector<gl::Mesh> shadowMeshEntries_;
    gl::Texture colorTexture_;
    gl::Texture normalTexture_;
    bool shadowReady_ = false;
};

}  // namespace brindlemoor::scene
