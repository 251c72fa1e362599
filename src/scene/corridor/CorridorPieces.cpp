#include "scene/corridor/CorridorPieces.h"

namespace brindlemoor::scene::corridor {

template <TypeCode Code>
Piece<Code>::Piece(const Assets& assets, const gl::ShaderProgram* program) : SceneObject(assets, Code, program) {}

template <TypeCode Code>
QuietPiece<Code>::QuietPiece(const Assets& assets, const gl::ShaderProgram* program)
    : SceneObject(assets, Code, program, ImportReport::Silent) {}

template class QuietPiece<TypeCode::EndWalls>;
template class QuietPiece<TypeCode::EndFloor>;
template class Piece<TypeCode::Ceiling>;
template class Piece<TypeCode::Floor>;
template class Piece<TypeCode::CornerLeft>;
template class Piece<TypeCode::CornerLeftFloor>;
template class Piece<TypeCode::CornerRight>;
template class Piece<TypeCode::CornerRightFloor>;
template class Piece<TypeCode::StairsDown>;
template class Piece<TypeCode::StairsUp>;
template class Piece<TypeCode::WallDoorLeft>;
template class Piece<TypeCode::WallDoorRight>;
template class Piece<TypeCode::WallPlainLeft>;
template class Piece<TypeCode::WallPlainRight>;
template class Piece<TypeCode::WallWindowLeft>;
template class Piece<TypeCode::WallWindowRight>;

}  // namespace brindlemoor::scene::corridor
