// Drawing a level's objects: in the scene pass every object in list order
// (with its cel outline copies first in cel mode), then the two chalk texts,
// the only things drawn with blending; in the shadow pass every object's
// position-only meshes from the light.
#include "gl/ShaderProgram.h"
#include "gl/Uniforms.h"
#include "level/Level.h"
#include "scene/SceneObject.h"
#include "scene/Text3D.h"

namespace brindlemoor::level {

void Level::drawObjects(bool shadowShading, bool transparency) {
    const GLuint program = shader != nullptr ? shader->programHandle() : 0;
    for (const auto& object : objects) {
        if (!shadowShading) {
            object->drawOutline(program, {0.99f, 1.01f});
        }
        object->drawTextured(program, shadowShading);
    }

    if (transparency) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    // The chalk texts get their normal map in both modes, and no outline.
    for (scene::Text3D* text : {evenText.get(), oddText.get()}) {
        if (text != nullptr) {
            text->drawTextured(program, true);
        }
    }
    if (transparency) {
        glDisable(GL_BLEND);
    }
}

void Level::prepareObjectsForShadows(const gl::ShaderProgram& depthProgram) {
    for (const auto& object : objects) {
        depthProgram.use();
        object->prepareShadow(depthProgram);
    }
}

void Level::drawObjectsForShadows(const gl::ShaderProgram& depthProgram) {
    for (const auto& object : objects) {
        depthProgram.use();
        gl::uploadMatrix(depthProgram.programHandle(), "objectM", object->modelMatrix);
        object->drawForShadows();
    }
}

}  // namespace brindlemoor::level
