#version 330 core
// Normal mapping with five point lights and a shadow map: fragment stage.
// The second light of the window casts the shadows.

in vec3 worldPosition;
in vec2 texCoord;
in vec4 shadowCoord;
in mat3 tangentToWorld;

uniform sampler2D colorTexture;
uniform sampler2D normalTexture;
uniform sampler2DShadow shadowMap;
uniform vec3 lightposition_ws[5];
// Multiplies the colour: the chalk of letters typed and still to type, a
// mistake's flash, the dimmed picture of a paused game.
uniform vec4 tint = vec4(1.0);

out vec4 fragColor;

const vec3 ambientLight = vec3(0.16, 0.16, 0.19);
const vec3 lampColour = vec3(1.25, 1.15, 0.98);
const float shadowBias = 0.0015;

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

// Share of the shadow light that reaches this point. The shadow map is
// sampled with linear filtering and comparison, so one look-up weighs the
// 2 x 2 nearest depths and softens the edge; more taps measured 20% slower per
// frame on the software renderer for little visible gain. Outside the
// light's view everything counts as lit.
float shadowVisibility() {
    if (shadowCoord.w <= 0.0) {
        return 1.0;
    }
    vec3 projected = shadowCoord.xyz * (1.0 / shadowCoord.w);  // one division, not three
    if (projected.x < 0.0 || projected.x > 1.0 || projected.y < 0.0 || projected.y > 1.0 ||
        projected.z > 1.0) {
        return 1.0;
    }
    return texture(shadowMap, vec3(projected.xy, projected.z - shadowBias));
}

void main() {
    vec4 albedo = texture(colorTexture, texCoord);
    vec3 mapped = texture(normalTexture, texCoord).rgb * 2.0 - 1.0;
    vec3 n = normalize(tangentToWorld * mapped);

    float share = lightFrom(lightposition_ws[0], n) + lightFrom(lightposition_ws[1], n) * shadowVisibility() +
                  lightFrom(lightposition_ws[2], n) + lightFrom(lightposition_ws[3], n) +
                  lightFrom(lightposition_ws[4], n);
    fragColor = vec4(albedo.rgb * (ambientLight + lampColour * share), albedo.a) * tint;
}
