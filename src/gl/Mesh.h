// One indexed triangle mesh on the GPU: a vertex array with its index buffer
// and one buffer per vertex attribute, all owned. Built in one go from data
// that already sits in memory, then drawn any number of times.
#pragma once

#include <cstddef>
#include <vector>

#include "gl/Handle.h"

namespace brindlemoor::gl {

class Mesh {
public:
    Mesh() = default;

    // Starts building: a new vertex array, bound until finish().
    static Mesh begin();
    // The element indices (unsigned 32-bit).
    void setIndices(const unsigned int* indices, std::size_t count);
    // A float attribute of `components` per vertex, tightly packed, located by
    // name in `program`. An attribute the program does not use (location -1)
    // gets no buffer.
    void addAttribute(GLuint program, const char* name, const float* data, std::size_t vertices, int components);
    // Unbinds the vertex array, then the array and element array buffers.
    void finish();

    // Binds the vertex array and draws every index as triangles; leaves it
    // bound. An empty mesh draws nothing.
    void drawElements() const;
    // The same for `count` indices from index `first`.
    void drawElements(std::size_t first, std::size_t count) const;

    GLuint vertexArray() const { return vertexArray_.name(); }
    std::size_t indexCount() const { return indexCount_; }
    std::size_t bufferCount() const { return buffers_.size(); }

private:
    VertexArray vertexArray_;
    std::vector<Buffer> buffers_;
    std::size_t indexCount_ = 0;
};

}  // namespace brindlemoor::gl
