// The in-memory model the builders fill and the OBJ writer saves: vertices with
// position, normal and texture coordinates, and faces of three or four corners
// wound counter-clockwise as seen from the side they are meant to be seen from.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "DetMath.h"

namespace assetgen {

struct Vertex {
    Vec3 position;
    Vec3 normal;
    Vec2 uv;
};

struct Mesh {
    std::vector<Vertex> vertices;
    std::vector<std::vector<int>> faces;  // indices into vertices, 3 or 4 each

    int add(const Vertex& v);
    void triangle(int a, int b, int c);
    void quad(int a, int b, int c, int d);
    void append(const Mesh& other);
    std::size_t triangleCount() const;
};

// One object of a model of several named parts.
struct NamedMesh {
    std::string name;
    Mesh mesh;
};

// Texture coordinates for the points of one flat face: either a fixed rectangle
// of the texture stretched over the face, or a projection in world units that
// keeps neighbouring faces of a wall continuous and tiles with GL_REPEAT.
struct FaceUv {
    enum class Kind { Rect, Planar };
    Kind kind = Kind::Rect;
    double u0 = 0.0, v0 = 0.0, u1 = 1.0, v1 = 1.0;  // Rect: corners of the texture area
    double period = 1.0;                            // Planar: world units per repeat
    double uOffset = 0.0, vOffset = 0.0;            // Planar: shift in repeats

    static FaceUv rect(double u0, double v0, double u1, double v1);
    static FaceUv planar(double period, double uOffset = 0.0, double vOffset = 0.0);
};

// The same mesh reflected in the plane x = 0: normals follow, windings are
// reversed so faces still point the same way, and u is flipped so that the
// texture frame keeps its handedness for normal mapping.
Mesh mirroredX(const Mesh& mesh);

Mesh translated(const Mesh& mesh, Vec3 offset);

}  // namespace assetgen
