#include "render/ObjectDraw.h"

#include <glm/gtc/matrix_transform.hpp>

#include "platform/Gl.h"
#include "render/Uniforms.h"
#include "scene/SceneObject.h"

namespace brindlemoor::render {

void drawOutline(scene::SceneObject& object, unsigned int programHandle, std::initializer_list<float> scales) {
    glCullFace(GL_FRONT);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, 0);
    for (float scale : scales) {
        uploadMatrix(programHandle, "modelMatrix", glm::scale(object.modelMatrix, glm::vec3(scale)));
        object.draw();
    }
    glCullFace(GL_BACK);
}

void drawTextured(scene::SceneObject& object, unsigned int programHandle, bool withNormalMap) {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, object.colorTexture);
    uploadInt(programHandle, "colorTexture", 0);
    if (withNormalMap) {
        glActiveTexture(GL_TEXTURE1);
        glBindTexture(GL_TEXTURE_2D, object.normalTexture);
        uploadInt(programHandle, "normalTexture", 1);
    }
    uploadMatrix(programHandle, "modelMatrix", object.modelMatrix);
    object.draw();
    glUseProgram(programHandle);
}

}  // namespace brindlemoor::render
