#include "ObjWriter.h"

#include <cstdio>
#include <map>
#include <vector>

namespace assetgen {

namespace {

// Fixed four-decimal form; a value that rounds to zero is written without a
// minus sign so that -0.00001 and 0 give the same text.
std::string number(double value) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    std::string text = buffer;
    if (text == "-0.0000") text = "0.0000";
    return text;
}

// Numbers each distinct line once, in order of first use.
class LineTable {
public:
    int indexOf(const std::string& line) {
        const auto found = index_.find(line);
        if (found != index_.end()) return found->second;
        lines_.push_back(line);
        const int index = static_cast<int>(lines_.size());
        index_.emplace(line, index);
        return index;
    }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::map<std::string, int> index_;
    std::vector<std::string> lines_;
};

}  // namespace

std::string objText(const Mesh& mesh, const std::string& objectName) { return objText({{objectName, mesh}}); }

std::string objText(const std::vector<NamedMesh>& objects) {
    LineTable positions, uvs, normals;
    struct Corner {
        int v, vt, vn;
    };
    std::vector<std::vector<Corner>> corners(objects.size());
    for (std::size_t o = 0; o < objects.size(); ++o) {
        corners[o].reserve(objects[o].mesh.vertices.size());
        for (const Vertex& vertex : objects[o].mesh.vertices) {
            const Vec3 n = normalize(vertex.normal);
            corners[o].push_back(
                {positions.indexOf(number(vertex.position.x) + " " + number(vertex.position.y) + " " +
                                   number(vertex.position.z)),
                 uvs.indexOf(number(vertex.uv.x) + " " + number(vertex.uv.y)),
                 normals.indexOf(number(n.x) + " " + number(n.y) + " " + number(n.z))});
        }
    }
    std::string out = "# Brindlemoor model, written by tools/assetgen\n";
    out += "o " + (objects.empty() ? std::string() : objects.front().name) + "\n";
    for (const auto& line : positions.lines()) out += "v " + line + "\n";
    for (const auto& line : uvs.lines()) out += "vt " + line + "\n";
    for (const auto& line : normals.lines()) out += "vn " + line + "\n";
    out += "s off\n";
    for (std::size_t o = 0; o < objects.size(); ++o) {
        if (o > 0) out += "o " + objects[o].name + "\n";
        for (const auto& face : objects[o].mesh.faces) {
            out += "f";
            for (int index : face) {
                const Corner& c = corners[o][static_cast<std::size_t>(index)];
                out += " " + std::to_string(c.v) + "/" + std::to_string(c.vt) + "/" + std::to_string(c.vn);
            }
            out += "\n";
        }
    }
    return out;
}

}  // namespace assetgen
