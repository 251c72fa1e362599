#include "scene/SceneObject.h"

#include <iostream>

#include <assimp/scene.h>
#include <glm/gtc/matrix_transform.hpp>

#include "platform/Gl.h"
#include "scene/GlBuffers.h"
#include "platform/Texture.h"
#include "render/ShaderProgram.h"

namespace brindlemoor::scene {

namespace {

// The element indices of a triangle mesh, or nothing when the mesh holds other
// primitives or an index points past its vertices (a damaged file): such a
// mesh is left out rather than drawn out of bounds.
bool gatherIndices(const aiMesh& mesh, std::vector<unsigned int>& indices) {
    indices.clear();
    // Triangulated quads carry the n-gon encoding flag beside the triangle bit.
    const unsigned int otherPrimitives = aiPrimitiveType_POINT | aiPrimitiveType_LINE | aiPrimitiveType_POLYGON;
    if ((mesh.mPrimitiveTypes & aiPrimitiveType_TRIANGLE) == 0 || (mesh.mPrimitiveTypes & otherPrimitives) != 0 ||
        mesh.mFaces == nullptr) {
        return false;
    }
    indices.reserve(static_cast<std::size_t>(mesh.mNumFaces) * 3u);
    for (unsigned int f = 0; f < mesh.mNumFaces; ++f) {
        const aiFace& face = mesh.mFaces[f];
        if (face.mNumIndices != 3 || face.mIndices == nullptr) {
            return false;
        }
        for (unsigned int k = 0; k < 3; ++k) {
            if (face.mIndices[k] >= mesh.mNumVertices) {
                return false;
            }
            indices.push_back(face.mIndices[k]);
        }
    }
    return true;
}

GLuint programName(const render::ShaderProgram* program) { return program != nullptr ? program->programHandle : 0; }

}  // namespace

SceneObject::SceneObject(const glm::mat4& initialMatrix, render::ShaderProgram* program_, std::string modelPath_,
                         std::string colorTexturePath_, std::string normalTexturePath_)
    : modelMatrix(initialMatrix),
      program(program_),
      modelPath(std::move(modelPath_)),
      colorTexturePath(std::move(colorTexturePath_)),
      normalTexturePath(std::move(normalTexturePath_)) {
    ModelImport imported = importModel(modelPath);
    importedScene = std::move(imported.scene);
    scene = importedScene.get();
    if (scene == nullptr) {
        std::cerr << "assimp: importer.readfile failed to read the file:" << modelPath << std::endl;
    } else {
        std::cout << imported.errorString << std::endl;
        buildBuffers();
    }
    colorTexture = loadTexture(colorTexturePath);
    normalTexture = loadTexture(normalTexturePath);
    shadowReady = false;
}

SceneObject::~SceneObject() {
    if (!ownedBuffers_.empty()) {
        glDeleteBuffers(static_cast<GLsizei>(ownedBuffers_.size()), ownedBuffers_.data());
    }
    for (const MeshEntry& entry : meshEntries) {
        glDeleteVertexArrays(1, &entry.vertexArray);
    }
    for (const MeshEntry& entry : shadowMeshEntries) {
        glDeleteVertexArrays(1, &entry.vertexArray);
    }
    glDeleteTextures(1, &colorTexture);
    glDeleteTextures(1, &normalTexture);
}

unsigned int SceneObject::makeBuffer(unsigned int target, std::size_t bytes, const void* data) {
    const GLuint buffer = uploadBuffer(target, bytes, data);
    ownedBuffers_.push_back(buffer);
    return buffer;
}

void SceneObject::buildBuffers() {
    if (scene == nullptr) {
        return;
    }
    const GLuint programHandle = programName(program);
    std::vector<unsigned int> indices;
    std::vector<float> uvs;
    for (unsigned int m = 0; m < scene->mNumMeshes; ++m) {
        const aiMesh* mesh = scene->mMeshes[m];
        if (mesh == nullptr || !gatherIndices(*mesh, indices)) {
            continue;
        }
        const std::size_t vertices = mesh->mNumVertices;
        GLuint vertexArray = 0;
        glGenVertexArrays(1, &vertexArray);
        glBindVertexArray(vertexArray);

        indexBuffer = makeBuffer(GL_ELEMENT_ARRAY_BUFFER, indices.size() * sizeof(unsigned int), indices.data());
        if (mesh->HasPositions() && vertices > 0) {
            positionBuffer = makeBuffer(GL_ARRAY_BUFFER, vertices * 12u, mesh->mVertices);
            enableFloatAttribute(programHandle, "position", 3);
        }
        if (mesh->HasNormals() && vertices > 0) {
            normalBuffer = makeBuffer(GL_ARRAY_BUFFER, vertices * 12u, mesh->mNormals);
            enableFloatAttribute(programHandle, "normal", 3);
        }
        if (mesh->HasTextureCoords(0) && vertices > 0) {
            uvs.resize(vertices * 2u);
            for (std::size_t v = 0; v < vertices; ++v) {
                uvs[2 * v] = mesh->mTextureCoords[0][v].x;
                uvs[2 * v + 1] = mesh->mTextureCoords[0][v].y;
            }
            uvBuffer = makeBuffer(GL_ARRAY_BUFFER, vertices * 8u, uvs.data());
            enableFloatAttribute(programHandle, "uv", 2);
        }
        if (mesh->HasTangentsAndBitangents() && vertices > 0) {
            tangentBuffer = makeBuffer(GL_ARRAY_BUFFER, vertices * 12u, mesh->mTangents);
            enableFloatAttribute(programHandle, "tangent", 3);
            bitangentBuffer = makeBuffer(GL_ARRAY_BUFFER, vertices * 12u, mesh->mBitangents);
            enableFloatAttribute(programHandle, "bitangent", 3);
        }
        glBindVertexArray(0);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
        meshEntries.push_back(MeshEntry{vertexArray, mesh, mesh->mNumFaces});
    }
}

unsigned int SceneObject::loadTexture(const std::string& path) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    // A texture that cannot be read stays without an image (and samples as
    // incomplete); it gets no mipmaps, which would only raise a GL error.
    const bool loaded = platform::loadTexture2D(path, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    if (loaded) {
        glGenerateMipmap(GL_TEXTURE_2D);
    }
    return texture;
}

void SceneObject::draw() {
    for (const MeshEntry& entry : meshEntries) {
        glBindVertexArray(entry.vertexArray);
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(3u * entry.faceCount), GL_UNSIGNED_INT, nullptr);
    }
    glBindVertexArray(0);
}

void SceneObject::drawForShadows() {
    if (!shadowReady) {
        return;
    }
    for (const MeshEntry& entry : shadowMeshEntries) {
        glBindVertexArray(entry.vertexArray);
        glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(3u * entry.faceCount), GL_UNSIGNED_INT, nullptr);
    }
    glBindVertexArray(0);
}

void SceneObject::prepareShadow(render::ShaderProgram* depthProgram) {
    if (shadowReady) {
        return;  // prepared once; a second call would only duplicate the arrays
    }
    const GLuint programHandle = programName(depthProgram);
    std::vector<unsigned int> indices;
    for (const MeshEntry& drawn : meshEntries) {
        const aiMesh* mesh = drawn.mesh;
        gatherIndices(*mesh, indices);
        GLuint vertexArray = 0;
        glGenVertexArrays(1, &vertexArray);
        glBindVertexArray(vertexArray);
        shadowIndexBuffer =
            makeBuffer(GL_ELEMENT_ARRAY_BUFFER, indices.size() * sizeof(unsigned int), indices.data());
        if (mesh->HasPositions() && mesh->mNumVertices > 0) {
            shadowPositionBuffer =
                makeBuffer(GL_ARRAY_BUFFER, static_cast<std::size_t>(mesh->mNumVertices) * 12u, mesh->mVertices);
            enableFloatAttribute(programHandle, "position", 3);
        }
        glBindVertexArray(0);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
        shadowMeshEntries.push_back(MeshEntry{vertexArray, mesh, mesh->mNumFaces});
    }
    shadowReady = true;
}

void SceneObject::translate(float x, float y, float z) {
    modelMatrix = glm::translate(modelMatrix, glm::vec3(x, y, z));
    computeBoundingBox();
    switch (orientation) {
        case 0: position += glm::vec3(x, y, z); break;
        case 1: position += glm::vec3(z, y, -x); break;
        case 2: position += glm::vec3(-x, y, -z); break;
        case 3: position += glm::vec3(-z, y, x); break;
        default: break;
    }
}

void SceneObject::rotate(int k) {
    const glm::vec3 up(0.0f, 1.0f, 0.0f);
    switch (k) {
        case 1:
            modelMatrix = glm::rotate(modelMatrix, glm::radians(90.0f), up);
            orientation = (orientation + 1) % 4;
            break;
        case 2:
            modelMatrix = glm::rotate(modelMatrix, glm::radians(180.0f), up);
            orientation = (orientation + 2) % 4;
            break;
        case 3:
            modelMatrix = glm::rotate(modelMatrix, glm::radians(270.0f), up);
            orientation = (orientation + 3) % 4;
            break;
        default:
            break;
    }
    computeBoundingBox();
}

void SceneObject::computeBoundingBox() {
    bool first = true;
    boxLower = glm::vec4(0.0f);
    boxUpper = glm::vec4(0.0f);
    for (const MeshEntry& entry : meshEntries) {
        const aiMesh* mesh = entry.mesh;
        if (mesh->mVertices == nullptr) {
            continue;
        }
        for (unsigned int v = 0; v < mesh->mNumVertices; ++v) {
            const aiVector3D& p = mesh->mVertices[v];
            const glm::vec4 world = modelMatrix * glm::vec4(p.x, p.y, p.z, 1.0f);
            if (first) {
                boxLower = world;
                boxUpper = world;
                first = false;
                continue;
            }
            for (int a = 0; a < 3; ++a) {
                if (world[a] > boxUpper[a]) {
                    boxUpper[a] = world[a];
                }
                if (world[a] < boxLower[a]) {
                    boxLower[a] = world[a];
                }
            }
        }
    }
    boxCentre = glm::vec3(boxLower + boxUpper) * 0.5f;
}

std::string SceneObject::getTypeCode() const { return typeCode; }

void applyMinFilter(int mode) {
    static const GLint filters[] = {GL_NEAREST,
                                    GL_LINEAR,
                                    GL_NEAREST_MIPMAP_NEAREST,
                                    GL_LINEAR_MIPMAP_NEAREST,
                                    GL_NEAREST_MIPMAP_LINEAR,
                                    GL_LINEAR_MIPMAP_LINEAR};
    const GLint filter = (mode >= 0 && mode <= 5) ? filters[mode] : GL_LINEAR_MIPMAP_LINEAR;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
}

}  // namespace brindlemoor::scene
