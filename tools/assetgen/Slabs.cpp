#include "Slabs.h"

#include <cmath>

#include "Layout.h"
#include "MeshShapes.h"

namespace assetgen {

namespace {
constexpr double kFloorTop = 0.0, kFloorBottom = -0.2;
constexpr double kCeilingBottom = 12.0, kCeilingTop = 12.2;
}  // namespace

void addFloorSlab(Mesh& mesh, double x0, double x1, double z0, double z1) {
    const double tileShift = 5.0 / layout::kFloorPeriod;
    addBox(mesh, {x0, kFloorBottom, z0}, {x1, kFloorTop, z1}, FaceUv::planar(layout::kFloorPeriod, tileShift));
}

void addCeilingSlab(Mesh& mesh, double x0, double x1, double z0, double z1) {
    const FaceUv plaster = FaceUv::planar(layout::kBay);
    const double dx = x1 - x0, dz = z1 - z0, dy = kCeilingTop - kCeilingBottom;
    const Vec3 up{0.0, dy, 0.0};
    addRect(mesh, {x1, kCeilingBottom, z1}, {0.0, 0.0, -dz}, up, plaster);  // +x side
    addRect(mesh, {x0, kCeilingBottom, z0}, {0.0, 0.0, dz}, up, plaster);   // -x side
    addRect(mesh, {x0, kCeilingBottom, z1}, {dx, 0.0, 0.0}, up, plaster);   // +z side
    addRect(mesh, {x1, kCeilingBottom, z0}, {-dx, 0.0, 0.0}, up, plaster);  // -z side
    addRect(mesh, {x0, kCeilingTop, z1}, {dx, 0.0, 0.0}, {0.0, 0.0, -dz}, plaster);  // top
    // Underside, seen from below: u along +x, v along +z.
    const int strips = static_cast<int>(std::floor(dz / layout::kPlasterStrip + 0.5));
    const double width = dz / strips;
    for (int i = 0; i < strips; ++i) {
        const double za = z0 + width * i, zb = z0 + width * (i + 1);
        const FaceUv band = FaceUv::rect(x0 / layout::kBay, layout::kPlasterV0, x1 / layout::kBay,
                                         layout::kPlasterV0 + width / layout::kBay);
        addRect(mesh, {x0, kCeilingBottom, za}, {dx, 0.0, 0.0}, {0.0, 0.0, zb - za}, band);
    }
}

}  // namespace assetgen
