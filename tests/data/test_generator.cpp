// The committed data set is exactly what the generator writes: running it
// into an empty directory gives the same files, byte for byte, and no others.
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestFiles.h"

namespace brindlemoor::test {
namespace {

namespace fs = std::filesystem;

std::set<std::string> filesUnder(const fs::path& root) {
    std::set<std::string> out;
    if (!fs::exists(root)) return out;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) out.insert(fs::relative(entry.path(), root).generic_string());
    return out;
}

TEST(DataSetGenerator, RegeneratesTheCommittedFilesExactly) {
    TempDir dir;
    const CommandResult run = runCommand(std::string("'") + ASSETGEN_BINARY + "' '" + dir.path() + "'");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::set<std::string> made = filesUnder(fs::path(dir.path()) / "Resources");
    const std::set<std::string> committed = filesUnder(fs::path(sourcePath("Resources")));
    ASSERT_FALSE(made.empty());
    EXPECT_EQ(made, committed) << "the generator and Resources/ disagree on which files exist";
    for (const std::string& file : made) {
        if (committed.count(file) == 0) continue;
        EXPECT_TRUE(readFile(dir.path() + "/Resources/" + file) == readFile(sourcePath("Resources/" + file)))
            << file << " differs from what the generator writes; run it with the repository root";
    }
}

TEST(DataSetGenerator, DefaultWordListHoldsCommonCapitalWords) {
    const std::string text = readFile(sourcePath("Resources/Wordlists/default.txt"));
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    const std::vector<std::string> words = lines(text);
    const std::regex shape("^[A-Z]{3,10}$");
    std::set<std::string> unique;
    for (const std::string& word : words) {
        EXPECT_TRUE(std::regex_match(word, shape)) << "'" << word << "'";
        EXPECT_TRUE(unique.insert(word).second) << "duplicate " << word;
    }
    EXPECT_GE(unique.size(), 500u);
}

}  // namespace
}  // namespace brindlemoor::test
