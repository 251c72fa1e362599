#include "Outputs.h"

#include "Icon.h"
#include "Models.h"
#include "ObjWriter.h"
#include "PngWriter.h"
#include "SoundKit.h"
#include "Sounds.h"
#include "TgaWriter.h"
#include "Textures.h"
#include "WavWriter.h"
#include "WordList.h"

namespace assetgen {

namespace {

using Bytes = std::vector<std::uint8_t>;

OutputFile model(const std::string& path, const std::string& name, std::function<Mesh()> build) {
    return {path, [name, build] {
                const std::string text = objText(build(), name);
                return Bytes(text.begin(), text.end());
            }};
}

// Mostly empty images (the chalk) are run-length encoded; noisy ones are not.
OutputFile texture(const std::string& path, std::function<Canvas()> paint, bool runLength = false) {
    return {path, [paint, runLength] { return tgaBytes(paint(), runLength); }};
}

OutputFile sound(const std::string& path, std::function<Samples()> synthesise) {
    return {path, [synthesise] { return wavBytes(synthesise(), kSoundRate); }};
}

}  // namespace

std::vector<OutputFile> outputFiles() {
    const std::string board = "Resources/blackboard/";
    const std::string corridor = "Resources/corridor/";
    return {
        model(board + "models/blackboard.obj", "blackboard", blackboardModel),
        model(board + "models/blackboard_text.obj", "blackboard_text", blackboardTextModel),
        texture(board + "images/blackboard_own.tga", blackboardTexture),
        texture(board + "images/blackboard_own_normal.tga", blackboardNormalMap),
        texture(board + "images/crayoncrumble.tga", chalkAtlas, true),
        texture(board + "images/crayoncrumble_normal.tga", chalkNormalMap, true),

        model(corridor + "models/floor.obj", "floor", floorModel),
        model(corridor + "models/ceiling.obj", "ceiling", ceilingModel),
        model(corridor + "models/wall_plain_left.obj", "wall_plain_left", wallPlainLeftModel),
        model(corridor + "models/wall_plain_right.obj", "wall_plain_right",
              [] { return mirroredX(wallPlainLeftModel()); }),
        model(corridor + "models/wall_door_left.obj", "wall_door_left", wallDoorLeftModel),
        model(corridor + "models/wall_door_right.obj", "wall_door_right",
              [] { return mirroredX(wallDoorLeftModel()); }),
        model(corridor + "models/wall_window_left.obj", "wall_window_left", wallWindowLeftModel),
        model(corridor + "models/wall_window_right.obj", "wall_window_right",
              [] { return mirroredX(wallWindowLeftModel()); }),
        model(corridor + "models/Corner_left.obj", "Corner_left", cornerLeftModel),
        model(corridor + "models/Corner_left_floor.obj", "Corner_left_floor", cornerLeftFloorModel),
        model(corridor + "models/Corner_right.obj", "Corner_right", [] { return mirroredX(cornerLeftModel()); }),
        model(corridor + "models/Corner_right_floor.obj", "Corner_right_floor",
              [] { return mirroredX(cornerLeftFloorModel()); }),
        model(corridor + "models/stairs_down.obj", "stairs_down", stairsDownModel),
        model(corridor + "models/stairs_up.obj", "stairs_up", stairsUpModel),
        model(corridor + "models/end_walls.obj", "end_walls", endWallsModel),
        model(corridor + "models/end_floor.obj", "end_floor", endFloorModel),
        texture(corridor + "images/wall_texture_bumpmapready.tga", wallTexture),
        texture(corridor + "images/wall_texture_normal.tga", wallNormalMap),
        texture(corridor + "images/wall_window_texture.tga", windowWallTexture),
        texture(corridor + "images/floor.tga", floorTexture),
        texture(corridor + "images/floor_normal.tga", floorNormalMap),
        texture(corridor + "images/staircase_texture.tga", staircaseTexture),
        texture(corridor + "images/staircase_normal.tga", staircaseNormalMap),

        {"Resources/boy/boy.obj", [] {
             const std::string text = objText(boyModel());
             return Bytes(text.begin(), text.end());
         }},
        texture("Resources/boy/images/boy_texture.tga", boyTexture),
        texture("Resources/boy/images/boy_normal.tga", boyNormalMap),

        {"Resources/Wordlists/default.txt", [] {
             const std::string text = defaultWordList();
             return Bytes(text.begin(), text.end());
         }},

        // Not read by the game: installed for desktops and menus.
        {"Resources/icons/brindlemoor.png", [] { return pngBytes(iconPicture()); }},
        sound("Resources/sounds/chalk_tap.wav", chalkTapSound),
        sound("Resources/sounds/scrape.wav", scrapeSound),
        sound("Resources/sounds/board_lift.wav", boardLiftSound),
        sound("Resources/sounds/bump.wav", bumpSound),
        sound("Resources/sounds/footstep.wav", footstepSound),
        sound("Resources/sounds/chime.wav", chimeSound),
    };
}

}  // namespace assetgen
