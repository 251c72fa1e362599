// Drawing a level's objects: in the scene pass every object in list order
// (with its cel outline copies first in cel mode), the end pieces, then the two
// chalk texts, the only things drawn with blending; in the shadow pass every
// object's position-only meshes from the light. Given a frustum, objects wholly
// outside it are skipped.
#include <algorithm>

#include "gl/ShaderProgram.h"
#include "gl/Uniforms.h"
#include "level/Level.h"
#include "scene/Frustum.h"
#include "scene/SceneObject.h"
#include "scene/Text3D.h"

namespace brindlemoor::level {

namespace {

// Chalk colours of the word in play: letters typed are fresh, bright chalk,
// the letters still to type dimmer, and the whole word red for a moment after
// a mistake.
const glm::vec3 kTypedChalk(1.25f, 1.15f, 0.55f);
const glm::vec3 kWaitingChalk(0.62f, 0.62f, 0.62f);
const glm::vec3 kMistakeChalk(1.5f, 0.3f, 0.25f);

void setTint(GLuint program, const glm::vec3& colour, float brightness) {
    gl::uploadVec4(program, "tint", glm::vec4(colour * brightness, 1.0f));
}

// The scales of the cel outline copies of the pieces.
constexpr float kOutlineScales[] = {0.99f, 1.01f};

// Whether `object`, with its outline copies when asked, may show in `frustum`
// (everything may without one).
bool mayShow(const scene::Frustum* frustum, const scene::Placement& object, bool outlines) {
    if (frustum == nullptr) {
        return true;
    }
    return outlines ? frustum->mayShow(object, kOutlineScales[0], kOutlineScales[1]) : frustum->mayShow(object);
}

void drawPiece(scene::SceneObject& piece, GLuint program, bool shadowShading, const scene::Frustum* view) {
    if (!mayShow(view, piece, !shadowShading)) {
        return;
    }
    if (!shadowShading) {
        piece.drawOutline(program, {kOutlineScales[0], kOutlineScales[1]});
    }
    piece.drawTextured(program, shadowShading);
}

}  // namespace

void Level::drawObjects(const DrawSettings& settings, const scene::Frustum* view) {
    const GLuint program = shader != nullptr ? shader->programHandle() : 0;
    for (const auto& object : objects) {
        drawPiece(*object, program, settings.shadowShading, view);
    }
    for (const auto& piece : endPieces) {
        drawPiece(*piece, program, settings.shadowShading, view);
    }

    if (settings.transparency) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    // The chalk texts get their normal map in both modes, and no outline.
    scene::Text3D* inPlay = currentBlackboard % 2 == 0 ? evenText.get() : oddText.get();
    for (scene::Text3D* text : {evenText.get(), oddText.get(), statisticsText.get()}) {
        if (text == nullptr || !mayShow(view, *text, false)) {
            continue;
        }
        if (text != inPlay || settings.typedLetters < 0) {
            text->drawTextured(program, true);
            continue;
        }
        const int letters = static_cast<int>(text->textWidth());
        const int typed = settings.mistake ? 0 : std::min(settings.typedLetters, letters);
        text->bindForDrawing(program, true);
        setTint(program, settings.mistake ? kMistakeChalk : kTypedChalk, settings.brightness);
        text->drawLetters(0, settings.mistake ? letters : typed);
        setTint(program, kWaitingChalk, settings.brightness);
        text->drawLetters(typed, settings.mistake ? 0 : letters - typed);
        setTint(program, glm::vec3(1.0f), settings.brightness);
    }
    // The progress on the final board, once the last word is typed.
    if (progressChart && mayShow(view, *progressChart, false)) {
        progressChart->drawTextured(program, true);
    }
    for (const auto& line : progressLines) {
        if (mayShow(view, *line, false)) {
            line->drawTextured(program, true);
        }
    }
    if (settings.transparency) {
        glDisable(GL_BLEND);
    }
}

void Level::prepareObjectsForShadows(const gl::ShaderProgram& depthProgram) {
    for (const auto* list : {&objects, &endPieces}) {
        for (const auto& object : *list) {
            depthProgram.use();
            object->prepareShadow(depthProgram);
        }
    }
}

void Level::drawObjectsForShadows(const gl::ShaderProgram& depthProgram, const scene::Frustum* light) {
    for (const auto* list : {&objects, &endPieces}) {
        for (const auto& object : *list) {
            if (!mayShow(light, *object, false)) {
                continue;
            }
            depthProgram.use();
            gl::uploadMatrix(depthProgram.programHandle(), "objectM", object->modelMatrix);
            object->drawForShadows();
        }
    }
}

}  // namespace brindlemoor::level
