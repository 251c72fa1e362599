// Quarter-turn headings of the corridor and the player: 0 toward -z, 1 toward
// -x, 2 toward +z, 3 toward +x. A left turn adds 1, a right turn 3, reversing 2.
#pragma once

#include <glm/vec3.hpp>

namespace brindlemoor::level {

inline glm::vec3 forwardOf(int heading) {
    switch (((heading % 4) + 4) % 4) {
        case 0: return {0.0f, 0.0f, -1.0f};
        case 1: return {-1.0f, 0.0f, 0.0f};
        case 2: return {0.0f, 0.0f, 1.0f};
        default: return {1.0f, 0.0f, 0.0f};
    }
}

inline int turnedLeft(int heading) { return (heading + 1) % 4; }
inline int turnedRight(int heading) { return (heading + 3) % 4; }
inline int reversed(int heading) { return (heading + 2) % 4; }

}  // namespace brindlemoor::level
