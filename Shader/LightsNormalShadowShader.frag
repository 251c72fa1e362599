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

out vec4 fragColor;

const vec3 ambientLight = vec3(0.16, 0.16, 0.19);
const vec3 lampColour = vec3(1.25, 1.15, 0.98);
const float shadowBias = 0.0015;

float attenuation(float distance) {
    return 1.0 / (1.0 + 0.02 * distance + 0.008 * distance * distance);
}

// Share of the shadow light that reaches this point: 3 x 3 comparison taps
// soften the edge. Outside the light's view everything counts as lit.
float shadowVisibility() {
    if (shadowCoord.w <= 0.0) {
        return 1.0;
    }
    vec3 projected = shadowCoord.xyz / shadowCoord.w;
    if (projected.x < 0.0 || projected.x > 1.0 || projected.y < 0.0 || projected.y > 1.0 ||
        projected.z > 1.0) {
        return 1.0;
    }
    vec2 texel = 1.0 / vec2(textureSize(shadowMap, 0));
    float lit = 0.0;
    for (int y = -1; y <= 1; ++y) {
        for (int x = -1; x <= 1; ++x) {
            lit += texture(shadowMap, vec3(projected.xy + vec2(x, y) * texel * 1.5, projected.z - shadowBias));
        }
    }
    return lit / 9.0;
}

void main() {
    vec4 albedo = texture(colorTexture, texCoord);
    vec3 mapped = texture(normalTexture, texCoord).rgb * 2.0 - 1.0;
    vec3 n = normalize(tangentToWorld * mapped);

    vec3 light = ambientLight;
    float visibility = shadowVisibility();
    for (int i = 0; i < 5; ++i) {
        vec3 toLight = lightposition_ws[i] - worldPosition;
        float distance = length(toLight);
        float diffuse = max(dot(n, toLight / max(distance, 1e-4)), 0.0);
        float share = diffuse * attenuation(distance);
        if (i == 1) {
            share *= visibility;
        }
        light += lampColour * share;
    }
    fragColor = vec4(albedo.rgb * light, albedo.a);
}
