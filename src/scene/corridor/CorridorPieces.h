// The prefabricated corridor pieces. Each differs only in its model, its two
// textures and the type code by which the builder, collision and the frame loop
// recognise it.
#pragma once

#include "scene/SceneObject.h"

namespace brindlemoor::scene::corridor {

// Declares one piece class: constructed with the scene program, it does
// nothing per frame and carries its own identity matrix and model file.
#define BRINDLEMOOR_CORRIDOR_PIECE(Name)                       \
    class Name : public SceneObject {                          \
    public:                                                    \
        explicit Name(render::ShaderProgram* program);         \
        void update(double) override {}                        \
        static const glm::mat4 initialMatrix;                  \
        static const std::string modelFile;                    \
    }

BRINDLEMOOR_CORRIDOR_PIECE(Ceiling);
BRINDLEMOOR_CORRIDOR_PIECE(Floor);
BRINDLEMOOR_CORRIDOR_PIECE(Corner_left);
BRINDLEMOOR_CORRIDOR_PIECE(Corner_left_floor);
BRINDLEMOOR_CORRIDOR_PIECE(Corner_right);
BRINDLEMOOR_CORRIDOR_PIECE(Corner_right_floor);
BRINDLEMOOR_CORRIDOR_PIECE(Stairs_down);
BRINDLEMOOR_CORRIDOR_PIECE(Stairs_up);
BRINDLEMOOR_CORRIDOR_PIECE(Wall_door_left);
BRINDLEMOOR_CORRIDOR_PIECE(Wall_door_right);
BRINDLEMOOR_CORRIDOR_PIECE(Wall_plain_left);
BRINDLEMOOR_CORRIDOR_PIECE(Wall_plain_right);
BRINDLEMOOR_CORRIDOR_PIECE(Wall_window_left);
BRINDLEMOOR_CORRIDOR_PIECE(Wall_window_right);

#undef BRINDLEMOOR_CORRIDOR_PIECE

}  // namespace brindlemoor::scene::corridor
