// The data folder is found wherever the game is started: --data-dir, then
// $BRINDLEMOOR_DATA, the working folder, ../share/brindlemoor and
// ../share/games/brindlemoor beside the executable, and the folder compiled in
// at install time.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "io/DataLookup.h"

namespace brindlemoor::test {
namespace {

namespace fs = std::filesystem;

TEST(DataLookup, TakesTheFirstFolderHoldingTheDataAndNamesEveryFolderTriedWhenNoneDoes) {
    TempDir dir;
    io::DataSearch search;
    search.option = dir.file("option");
    search.environment = dir.file("environment");
    search.executable = dir.file("prefix/bin/brindlemoor");
    search.installed = dir.file("installed");
    const std::string candidates[] = {search.option, search.environment, dir.file("work"),
                                      dir.file("prefix/share/brindlemoor"), dir.file("prefix/share/games/brindlemoor"),
                                      search.installed};
    for (const std::string& folder : candidates) {
        fs::create_directories(folder + "/Resources");
        fs::create_directories(folder + "/Shader");
    }
    ScopedWorkingDirectory inDir(dir.file("work"));
    // Take the data away from one candidate after the other.
    for (const std::string& expected : candidates) {
        const io::Result<std::string> found = io::findDataFolder(search);
        ASSERT_TRUE(found);
        EXPECT_EQ(found.value(), expected == dir.file("work") ? "" : expected);
        fs::remove_all(expected + "/Shader");
    }
    search.installed = dir.file("prefix/share/brindlemoor");  // the same folder is named once
    EXPECT_EQ(io::findDataFolder(search).reason(),
              "Cannot find the game's data (Resources/ and Shader/); looked in: " + search.option + ", " +
                  search.environment + ", " + dir.file("work") + ", " + search.installed + ", " +
                  dir.file("prefix/share/games/brindlemoor"));
}

}  // namespace
}  // namespace brindlemoor::test
