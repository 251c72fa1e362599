#include "Mesh.h"

#include <algorithm>

namespace assetgen {

int Mesh::add(const Vertex& v) {
    vertices.push_back(v);
    return static_cast<int>(vertices.size()) - 1;
}

void Mesh::triangle(int a, int b, int c) { faces.push_back({a, b, c}); }

void Mesh::quad(int a, int b, int c, int d) { faces.push_back({a, b, c, d}); }

void Mesh::append(const Mesh& other) {
    const int base = static_cast<int>(vertices.size());
    vertices.insert(vertices.end(), other.vertices.begin(), other.vertices.end());
    for (const auto& face : other.faces) {
        std::vector<int> shifted = face;
        for (int& index : shifted) index += base;
        faces.push_back(shifted);
    }
}

std::size_t Mesh::triangleCount() const {
    std::size_t count = 0;
    for (const auto& face : faces) count += face.size() - 2;
    return count;
}

FaceUv FaceUv::rect(double u0, double v0, double u1, double v1) {
    FaceUv uv;
    uv.kind = Kind::Rect;
    uv.u0 = u0;
    uv.v0 = v0;
    uv.u1 = u1;
    uv.v1 = v1;
    return uv;
}

FaceUv FaceUv::planar(double period, double uOffset, double vOffset) {
    FaceUv uv;
    uv.kind = Kind::Planar;
    uv.period = period;
    uv.uOffset = uOffset;
    uv.vOffset = vOffset;
    return uv;
}

Mesh mirroredX(const Mesh& mesh) {
    Mesh out = mesh;
    for (Vertex& v : out.vertices) {
        v.position.x = -v.position.x;
        v.normal.x = -v.normal.x;
        v.uv.x = 1.0 - v.uv.x;
    }
    for (auto& face : out.faces) std::reverse(face.begin(), face.end());
    return out;
}

Mesh translated(const Mesh& mesh, Vec3 offset) {
    Mesh out = mesh;
    for (Vertex& v : out.vertices) v.position = v.position + offset;
    return out;
}

}  // namespace assetgen
