#include "MeshShapes.h"

#include <stdexcept>

namespace assetgen {

namespace {

Vec2 planarUv(Vec3 p, Vec3 alongHat, Vec3 upHat, const FaceUv& uv) {
    return {dot(p, alongHat) / uv.period + uv.uOffset, dot(p, upHat) / uv.period + uv.vOffset};
}

}  // namespace

void addQuad(Mesh& mesh, Vec3 a, Vec3 b, Vec3 c, Vec3 d, const FaceUv& uv) {
    const Vec3 normal = normalize(cross(b - a, d - a));
    if (length(normal) == 0.0) throw std::runtime_error("degenerate quad");
    const Vec3 alongHat = normalize(b - a);
    const Vec3 upHat = cross(normal, alongHat);
    Vec2 t[4];
    if (uv.kind == FaceUv::Kind::Rect) {
        t[0] = {uv.u0, uv.v0};
        t[1] = {uv.u1, uv.v0};
        t[2] = {uv.u1, uv.v1};
        t[3] = {uv.u0, uv.v1};
    } else {
        t[0] = planarUv(a, alongHat, upHat, uv);
        t[1] = planarUv(b, alongHat, upHat, uv);
        t[2] = planarUv(c, alongHat, upHat, uv);
        t[3] = planarUv(d, alongHat, upHat, uv);
    }
    const int i0 = mesh.add({a, normal, t[0]});
    const int i1 = mesh.add({b, normal, t[1]});
    const int i2 = mesh.add({c, normal, t[2]});
    const int i3 = mesh.add({d, normal, t[3]});
    mesh.quad(i0, i1, i2, i3);
}

void addRect(Mesh& mesh, Vec3 origin, Vec3 along, Vec3 up, const FaceUv& uv) {
    addQuad(mesh, origin, origin + along, origin + along + up, origin + up, uv);
}

void addBox(Mesh& mesh, Vec3 lo, Vec3 hi, const FaceUv& uv) {
    const double dx = hi.x - lo.x, dy = hi.y - lo.y, dz = hi.z - lo.z;
    const Vec3 up{0.0, dy, 0.0};
    addRect(mesh, {hi.x, lo.y, hi.z}, {0.0, 0.0, -dz}, up, uv);  // +x
    addRect(mesh, {lo.x, lo.y, lo.z}, {0.0, 0.0, dz}, up, uv);   // -x
    addRect(mesh, {lo.x, lo.y, hi.z}, {dx, 0.0, 0.0}, up, uv);   // +z
    addRect(mesh, {hi.x, lo.y, lo.z}, {-dx, 0.0, 0.0}, up, uv);  // -z
    addRect(mesh, {lo.x, hi.y, hi.z}, {dx, 0.0, 0.0}, {0.0, 0.0, -dz}, uv);  // +y
    addRect(mesh, {lo.x, lo.y, lo.z}, {dx, 0.0, 0.0}, {0.0, 0.0, dz}, uv);   // -y
}

void addEllipsoid(Mesh& mesh, Vec3 centre, Vec3 radii, int slices, int stacks, double lat0,
                  double lat1, const UvArea& area, double phi0) {
    const int base = static_cast<int>(mesh.vertices.size());
    for (int j = 0; j <= stacks; ++j) {
        const double fv = static_cast<double>(j) / stacks;
        const double lat = lat0 + (lat1 - lat0) * fv;
        for (int i = 0; i <= slices; ++i) {
            const double fu = static_cast<double>(i) / slices;
            const double phi = phi0 + 360.0 * fu;
            const Vec3 dir{cosDeg(lat) * cosDeg(phi), sinDeg(lat), -cosDeg(lat) * sinDeg(phi)};
            const Vec3 p{centre.x + radii.x * dir.x, centre.y + radii.y * dir.y,
                         centre.z + radii.z * dir.z};
            const Vec3 n = normalize({dir.x / radii.x, dir.y / radii.y, dir.z / radii.z});
            mesh.add({p, n, {lerp(area.u0, area.u1, fu), lerp(area.v0, area.v1, fv)}});
        }
    }
    const int row = slices + 1;
    for (int j = 0; j < stacks; ++j) {
        for (int i = 0; i < slices; ++i) {
            const int a = base + j * row + i;
            const int b = a + 1;
            const int c = b + row;
            const int d = a + row;
            if (j == 0 && lat0 <= -90.0) {
                mesh.triangle(a, c, d);  // bottom pole: a and b coincide
            } else if (j == stacks - 1 && lat1 >= 90.0) {
                mesh.triangle(a, b, c);  // top pole: c and d coincide
            } else {
                mesh.quad(a, b, c, d);
            }
        }
    }
}

void addTube(Mesh& mesh, const TubeShape& shape, const UvArea& area) {
    const std::size_t count = shape.rings.size();
    if (count < 2) throw std::runtime_error("a tube needs two rings");
    const Vec3 w = normalize(shape.rings.back().centre - shape.rings.front().centre);
    // Side axis: +x made perpendicular to the tube (or -z for a tube along x).
    Vec3 ref{1.0, 0.0, 0.0};
    if (w.x * w.x > 0.8) ref = {0.0, 0.0, -1.0};
    const Vec3 e1 = normalize(ref - w * dot(ref, w));
    const Vec3 e2 = cross(e1, w);
    // Arc length along the ring centres, for v.
    std::vector<double> along(count, 0.0);
    for (std::size_t j = 1; j < count; ++j)
        along[j] = along[j - 1] + length(shape.rings[j].centre - shape.rings[j - 1].centre);
    const int base = static_cast<int>(mesh.vertices.size());
    for (std::size_t j = 0; j < count; ++j) {
        const Ring& ring = shape.rings[j];
        // Taper from the neighbouring rings tilts the normals along the tube.
        const Ring& before = shape.rings[j == 0 ? 0 : j - 1];
        const Ring& after = shape.rings[j + 1 == count ? j : j + 1];
        const double span = length(after.centre - before.centre);
        const double slope =
            span > 0.0 ? ((after.radius1 + after.radius2) - (before.radius1 + before.radius2)) * 0.5 / span : 0.0;
        const double fv = along[j] / along[count - 1];
        for (int i = 0; i <= shape.slices; ++i) {
            const double fu = static_cast<double>(i) / shape.slices;
            const double phi = shape.phi0 + 360.0 * fu;
            const double c = cosDeg(phi), s = sinDeg(phi);
            const Vec3 p = ring.centre + e1 * (ring.radius1 * c) - e2 * (ring.radius2 * s);
            const Vec3 radial = normalize(e1 * (c * ring.radius2) - e2 * (s * ring.radius1));
            const Vec3 n = normalize(radial - w * slope);
            mesh.add({p, n, {lerp(area.u0, area.u1, fu), lerp(area.v0, area.v1, fv)}});
        }
    }
    const int row = shape.slices + 1;
    for (std::size_t j = 0; j + 1 < count; ++j) {
        const int r0 = base + static_cast<int>(j) * row;
        for (int i = 0; i < shape.slices; ++i) mesh.quad(r0 + i, r0 + i + 1, r0 + row + i + 1, r0 + row + i);
    }
    // Caps: a fan around the middle of the area's bottom or top edge.
    for (int end = 0; end <= 1; ++end) {
        if ((end == 0 && !shape.capStart) || (end == 1 && !shape.capEnd)) continue;
        const std::size_t ringIndex = end == 0 ? 0 : count - 1;
        const Vec3 centre = shape.rings[ringIndex].centre;
        const Vec3 n = end == 0 ? -w : w;
        const double v = end == 0 ? area.v0 : area.v1;
        const double um = (area.u0 + area.u1) * 0.5;
        const int mid = mesh.add({centre, n, {um, v}});
        const int first = static_cast<int>(mesh.vertices.size());
        for (int i = 0; i <= shape.slices; ++i) {
            Vertex rim = mesh.vertices[static_cast<std::size_t>(base + static_cast<int>(ringIndex) * row + i)];
            rim.normal = n;
            // Spread the rim a little in v so the cap is not a degenerate strip.
            rim.uv = {lerp(area.u0, area.u1, static_cast<double>(i) / shape.slices),
                      end == 0 ? lerp(area.v0, area.v1, 0.08) : lerp(area.v1, area.v0, 0.08)};
            mesh.add(rim);
        }
        for (int i = 0; i < shape.slices; ++i) {
            if (end == 0) {
                mesh.triangle(mid, first + i + 1, first + i);
            } else {
                mesh.triangle(mid, first + i, first + i + 1);
            }
        }
    }
}

}  // namespace assetgen
