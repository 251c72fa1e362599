#version 330 core
// Cel (toon) shading: the lights are summed and cut into a few flat bands.
// The outline copies are drawn with no texture bound, which samples as black,
// so they come out as black edges.

in vec3 worldPosition;
in vec3 worldNormal;
in vec2 texCoord;

uniform sampler2D colorTexture;
uniform vec3 lightposition_ws[5];
// Multiplies the colour: the chalk of letters typed and still to type, a
// mistake's flash, the dimmed picture of a paused game.
uniform vec4 tint = vec4(1.0);

out vec4 fragColor;

// Diffuse light from one lamp with distance attenuation,
// max(n . L / d, 0) / (1 + 0.02 d + 0.008 d^2), written with one square root
// and one division: the software renderer pays for every square root and
// division on every pixel, and compiles inversesqrt to both.
float lightFrom(vec3 lamp, vec3 n) {
    vec3 toLight = lamp - worldPosition;
    float d2 = max(dot(toLight, toLight), 1e-8);
    float d = sqrt(d2);
    return max(dot(n, toLight), 0.0) / (d + 0.02 * d2 + 0.008 * d2 * d);
}

float band(float intensity) {
    if (intensity > 0.75) return 1.1;
    if (intensity > 0.4) return 0.8;
    if (intensity > 0.15) return 0.55;
    return 0.35;
}

void main() {
    if (textureSize(colorTexture, 0).x == 0) {
        fragColor = vec4(0.0, 0.0, 0.0, 1.0);
        return;
    }
    vec4 albedo = texture(colorTexture, texCoord);
    vec3 n = normalize(worldNormal);
    float intensity = lightFrom(lightposition_ws[0], n) + lightFrom(lightposition_ws[1], n) +
                      lightFrom(lightposition_ws[2], n) + lightFrom(lightposition_ws[3], n) +
                      lightFrom(lightposition_ws[4], n);
    fragColor = vec4(albedo.rgb * band(intensity * 1.3), albedo.a) * tint;
}
