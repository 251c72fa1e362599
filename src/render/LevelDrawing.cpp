// Drawing of a level's objects in the scene pass: every object in list order
// (with its cel outline copies first in cel mode), then the two chalk texts,
// the only things drawn with blending.
#include <glm/gtc/matrix_transform.hpp>

#include "app/GameState.h"
#include "level/Level.h"
#include "platform/Gl.h"
#include "render/ShaderProgram.h"
#include "render/Uniforms.h"
#include "scene/SceneObject.h"
#include "scene/Text3D.h"

namespace brindlemoor::level {

void Level::drawObjects() {
    const bool shadowShading = app::gameState.shadowShading;
    const bool transparency = app::gameState.transparency;
    const GLuint program = shader != nullptr ? shader->programHandle : 0;

    for (const auto& object : objects) {
        if (!shadowShading) {
            glCullFace(GL_FRONT);
            glActiveTexture(GL_TEXTURE0);
            glBindTexture(GL_TEXTURE_2D, 0);
            render::uploadMatrix(program, "modelMatrix", glm::scale(object->modelMatrix, glm::vec3(0.99f)));
            object->draw();
            render::uploadMatrix(program, "modelMatrix", glm::scale(object->modelMatrix, glm::vec3(1.01f)));
            object->draw();
            glCullFace(GL_BACK);
        }
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, object->colorTexture);
        render::uploadInt(program, "colorTexture", 0);
        if (shadowShading) {
            glActiveTexture(GL_TEXTURE1);
            glBindTexture(GL_TEXTURE_2D, object->normalTexture);
            render::uploadInt(program, "normalTexture", 1);
        }
        render::uploadMatrix(program, "modelMatrix", object->modelMatrix);
        object->draw();
        glUseProgram(program);
    }

    if (transparency) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    for (scene::Text3D* text : {evenText.get(), oddText.get()}) {
        if (text == nullptr) {
            continue;
        }
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, text->colorTexture);
        render::uploadInt(program, "colorTexture", 0);
        glActiveTexture(GL_TEXTURE1);
        glBindTexture(GL_TEXTURE_2D, text->normalTexture);
        render::uploadInt(program, "normalTexture", 1);
        render::uploadMatrix(program, "modelMatrix", text->modelMatrix);
        text->draw();
        glUseProgram(program);
    }
    if (transparency) {
        glDisable(GL_BLEND);
    }
}

}  // namespace brindlemoor::level
