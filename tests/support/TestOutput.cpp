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

std::string CapturedOutput::take() { return drain(out_); }
std::string CapturedOutput::takeErrors() { return drain(err_); }

TestAssets& testAssets() {
    static TestAssets assets;
    return assets;
}

}  // namespace brindlemoor::test
