#version 330 core
// Cel (toon) shading: the lights are summed and cut into a few flat bands.
// The outline copies are drawn with no texture bound, which samples as black,
// so they come out as black edges.

in vec3 worldPosition;
in vec3 worldNormal;
in vec2 texCoord;

uniform sampler2D colorTexture;
uniform vec3 lightposition_ws[5];

out vec4 fragColor;

float attenuation(float distance) {
    return 1.0 / (1.0 + 0.02 * distance + 0.008 * distance * distance);
}

float band(float intensity) {
    if (intensity > 0.75) return 1.1;
    if (intensity > 0.4) return 0.8;
    if (intensity > 0.15) return 0.55;
    return 0.35;
}

void main() {
    vec4 albedo = texture(colorTexture, texCoord);
    vec3 n = normalize(worldNormal);
    float intensity = 0.0;
    for (int i = 0; i < 5; ++i) {
        vec3 toLight = lightposition_ws[i] - worldPosition;
        float distance = length(toLight);
        intensity += max(dot(n, toLight / max(distance, 1e-4)), 0.0) * attenuation(distance);
    }
    fragColor = vec4(albedo.rgb * band(intensity * 1.3), albedo.a);
}
