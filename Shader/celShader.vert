#version 330 core
// Cel (toon) shading: vertex stage.

in vec3 position;
in vec3 normal;
in vec2 uv;

uniform mat4 projectionMatrix;
uniform mat4 viewMatrix;
uniform mat4 modelMatrix;

out vec3 worldPosition;
out vec3 worldNormal;
out vec2 texCoord;

void main() {
    vec4 world = modelMatrix * vec4(position, 1.0);
    worldPosition = world.xyz;
    worldNormal = normalize(mat3(modelMatrix) * normal);
    texCoord = uv;
    gl_Position = projectionMatrix * viewMatrix * world;
}
