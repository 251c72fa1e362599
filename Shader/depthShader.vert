#version 330 core
// Depth only, seen from the shadow light.

in vec3 position;

uniform mat4 depthVP;
uniform mat4 objectM;

void main() {
    gl_Position = depthVP * objectM * vec4(position, 1.0);
}
