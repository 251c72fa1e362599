// Drawing of a level's objects in the scene pass: every object in list order
// (with its cel outline copies first in cel mode), then the two chalk texts,
// the only things drawn with blending.
#include "app/GameState.h"
#include "level/Level.h"
#include "platform/Gl.h"
#include "render/ObjectDraw.h"
#include "render/ShaderProgram.h"
#include "scene/SceneObject.h"
#include "scene/Text3D.h"

namespace brindlemoor::level {

void Level::drawObjects() {
    const bool shadowShading = app::gameState.shadowShading;
    const bool transparency = app::gameState.transparency;
    const GLuint program = shader != nullptr ? shader->programHandle : 0;

    for (const auto& object : objects) {
        if (!shadowShading) {
            render::drawOutline(*object, program, {0.99f, 1.01f});
        }
        render::drawTextured(*object, program, shadowShading);
    }

    if (transparency) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    // The chalk texts get their normal map in both modes, and no outline.
    for (scene::Text3D* text : {evenText.get(), oddText.get()}) {
        if (text != nullptr) {
            render::drawTextured(*text, program, true);
        }
    }
    if (transparency) {
        glDisable(GL_BLEND);
    }
}

}  // namespace brindlemoor::level
