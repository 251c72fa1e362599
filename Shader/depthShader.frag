#version 330 core
// Depth only: the depth buffer is all the shadow map keeps.

out vec4 fragColor;

void main() {
    fragColor = vec4(gl_FragCoord.z);
}
