#include "TestOutput.h"

namespace brindlemoor::test {

namespace {
std::string drain(std::ostringstream& stream) {
    std::string text = stream.str();
    stream.str({});
    stream.clear();
    return text;
}
}  // namespace

std::vector<std::string> linesStarting(const std::string& text, const std::string& prefix) {
    std::vector<std::string> found;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(prefix, 0) == 0) {
            found.push_back(line);
        }
    }
    return found;
}

std::string CapturedOutput::take() { return drain(out_); }
std::string CapturedOutput::takeErrors() { return drain(err_); }

TestAssets& testAssets() {
    static TestAssets assets;
    return assets;
}

}  // namespace brindlemoor::test
