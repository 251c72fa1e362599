#version 330 core
// Normal mapping with five point lights and a shadow map: vertex stage.

in vec3 position;
in vec3 normal;
in vec2 uv;
in vec3 tangent;
in vec3 bitangent;

uniform mat4 projectionMatrix;
uniform mat4 viewMatrix;
uniform mat4 modelMatrix;
uniform mat4 depthBiasVP;

out vec3 worldPosition;
out vec2 texCoord;
out vec4 shadowCoord;
out mat3 tangentToWorld;

// Meshes without tangents (the chalk text) get a tangent frame built from the
// normal alone, so normal mapping never divides by zero.
vec3 anyPerpendicular(vec3 n) {
    vec3 axis = abs(n.y) < 0.9 ? vec3(0.0, 1.0, 0.0) : vec3(1.0, 0.0, 0.0);
    return normalize(cross(axis, n));
}

void main() {
    vec4 world = modelMatrix * vec4(position, 1.0);
    worldPosition = world.xyz;
    texCoord = uv;
    shadowCoord = depthBiasVP * world;

    // The game only turns by quarter turns and scales uniformly, so the model
    // matrix itself carries directions correctly once renormalised.
    mat3 toWorld = mat3(modelMatrix);
    vec3 n = normalize(toWorld * normal);
    vec3 t = toWorld * tangent;
    vec3 b = toWorld * bitangent;
    if (dot(t, t) < 1e-8 || dot(b, b) < 1e-8) {
        t = anyPerpendicular(n);
        b = cross(n, t);
    }
    tangentToWorld = mat3(normalize(t), normalize(b), n);

    gl_Position = projectionMatrix * viewMatrix * world;
}
