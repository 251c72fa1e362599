#include "BoxObject.h"

#include <sstream>

namespace brindlemoor::test {

std::string writeBoxModel(const TempDir& dir, const glm::vec3& lo, const glm::vec3& hi) {
    std::ostringstream obj;
    for (int i = 0; i < 8; ++i) {
        obj << "v " << ((i & 1) ? hi.x : lo.x) << " " << ((i & 2) ? hi.y : lo.y) << " " << ((i & 4) ? hi.z : lo.z)
            << "\n";
    }
    obj << "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nvn 0 0 1\n";
    const int faces[6][4] = {{1, 2, 4, 3}, {5, 7, 8, 6}, {1, 5, 6, 2}, {3, 4, 8, 7}, {1, 3, 7, 5}, {2, 6, 8, 4}};
    for (const auto& f : faces) {
        obj << "f " << f[0] << "/1/1 " << f[1] << "/2/1 " << f[2] << "/3/1 " << f[3] << "/4/1\n";
    }
    static int counter = 0;
    const std::string path = dir.file("box" + std::to_string(counter++) + ".obj");
    writeFile(path, obj.str());
    return path;
}

BoxObject::BoxObject(render::ShaderProgram* program, const std::string& modelPath, const std::string& code)
    : SceneObject(glm::mat4(1.0f), program, modelPath, "Resources/corridor/images/floor.tga",
                  "Resources/corridor/images/floor_normal.tga") {
    typeCode = code;
}

}  // namespace brindlemoor::test
