#include "scene/SceneObject.h"

#include <glm/gtc/matrix_transform.hpp>

#include "gl/ShaderProgram.h"
#include "gl/Texture2D.h"
#include "gl/Uniforms.h"
#include "scene/Catalogue.h"

namespace brindlemoor::scene {

namespace {

GLuint programName(const gl::ShaderProgram* program) { return program != nullptr ? program->programHandle() : 0; }

}  // namespace

SceneObject::SceneObject(const Assets& assets, const glm::mat4& initialMatrix, const gl::ShaderProgram* program_,
                         std::string modelPath_,
                         std::string colorTexturePath_, std::string normalTexturePath_, ImportReport report)
    : Placement(TypeCode::None, Box{}, initialMatrix),
      program(program_),
      modelPath(std::move(modelPath_)),
      colorTexturePath(std::move(colorTexturePath_)),
      normalTexturePath(std::move(normalTexturePath_)) {
    io::Result<SharedModel> imported = assets.models.import(modelPath);
    if (!imported) {
        assets.out.errorLine("assimp: importer.readfile failed to read the file:", modelPath);
    } else {
        model_ = std::move(imported.value());
        if (report == ImportReport::Print) {
            assets.out.line();  // the importer's error text, empty after a success
        }
        localBox = model_->box;
        const GLuint handle = programName(program);
        for (const MeshData& data : model_->meshes) {
            gl::Mesh mesh = gl::Mesh::begin();
            mesh.setIndices(data.indices.data(), data.indices.size());
            const std::size_t vertices = data.vertexCount();
            mesh.addAttribute(handle, "position", data.positions.data(), vertices, 3);
            if (!data.normals.empty()) {
                mesh.addAttribute(handle, "normal", data.normals.data(), vertices, 3);
            }
            if (!data.uvs.empty()) {
                mesh.addAttribute(handle, "uv", data.uvs.data(), vertices, 2);
            }
            if (!data.tangents.empty()) {
                mesh.addAttribute(handle, "tangent", data.tangents.data(), vertices, 3);
                mesh.addAttribute(handle, "bitangent", data.bitangents.data(), vertices, 3);
            }
            mesh.finish();
            meshEntries_.push_back(std::move(mesh));
        }
    }
    colorTexture_ = gl::loadTexture(assets.images, assets.data.path(colorTexturePath));
    normalTexture_ = gl::loadTexture(assets.images, assets.data.path(normalTexturePath));
}

SceneObject::SceneObject(const Assets& assets, TypeCode code, const gl::ShaderProgram* program_, ImportReport report)
    : SceneObject(assets, glm::mat4(1.0f), program_, entry(code).model, entry(code).colorTexture, entry(code).normalTexture,
                  report) {
    typeCode = code;
}

void SceneObject::draw() {
    for (const gl::Mesh& mesh : meshEntries_) {
        mesh.drawElements();
    }
    glBindVertexArray(0);
}

void SceneObject::drawForShadows() {
    for (const gl::Mesh& mesh : shadowMeshEntries_) {
        mesh.drawElements();
    }
    glBindVertexArray(0);
}

void SceneObject::prepareShadow(const gl::ShaderProgram& depthProgram) {
    if (shadowReady_) {
        return;  // prepared once; a second call would only duplicate the meshes
    }
    if (model_) {
        for (const MeshData& data : model_->meshes) {
            gl::Mesh mesh = gl::Mesh::begin();
            mesh.setIndices(data.indices.data(), data.indices.size());
            mesh.addAttribute(depthProgram.programHandle(), "position", data.positions.data(), data.vertexCount(), 3);
            mesh.finish();
            shadowMeshEntries_.push_back(std::move(mesh));
        }
    }
    shadowReady_ = true;
}

const std::string& SceneObject::meshName(std::size_t i) const {
    static const std::string none;
    return model_ && i < model_->meshes.size() ? model_->meshes[i].name : none;
}

void SceneObject::drawMesh(std::size_t i, bool shadowMeshes) const {
    const std::vector<gl::Mesh>& meshes = shadowMeshes ? shadowMeshEntries_ : meshEntries_;
    if (i < meshes.size()) {
        meshes[i].drawElements();
    }
}

void SceneObject::drawPlaced(GLuint program_, const char* uniform, const glm::mat4& placement, bool shadowMeshes) {
    gl::uploadMatrix(program_, uniform, placement);
    if (shadowMeshes) {
        drawForShadows();
    } else {
        draw();
    }
}

void SceneObject::drawTextured(GLuint program_, bool withNormalMap) {
    bindTextures(program_, withNormalMap);
    drawPlaced(program_, "modelMatrix", modelMatrix, false);
    glUseProgram(program_);
}

void SceneObject::bindForDrawing(GLuint program_, bool withNormalMap) {
    bindTextures(program_, withNormalMap);
    gl::uploadMatrix(program_, "modelMatrix", modelMatrix);
}

void SceneObject::bindTextures(GLuint program_, bool withNormalMap) {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, colorTexture_.name());
    gl::uploadInt(program_, "colorTexture", 0);
    if (withNormalMap) {
        glActiveTexture(GL_TEXTURE1);
        glBindTexture(GL_TEXTURE_2D, normalTexture_.name());
        gl::uploadInt(program_, "normalTexture", 1);
    }
}

void SceneObject::drawOutline(GLuint program_, std::initializer_list<float> scales) {
    glCullFace(GL_FRONT);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, 0);
    for (float scale : scales) {
        drawPlaced(program_, "modelMatrix", glm::scale(modelMatrix, glm::vec3(scale)), false);
    }
    glCullFace(GL_BACK);
}

}  // namespace brindlemoor::scene
