#include "level/RandomLayout.h"


namespace brindlemoor::level {

namespace {

// How far the corridor may turn away from its start heading either way, so a
// random corridor never runs back into itself.
constexpr int kMaxTurn = 2;

// Out of 25 draws: 15 plain wall blocks, then three left corners, one right
// corner and one stairs down, then five more "PP" that leave the special flag.
struct LayoutDraw {
    int turnBalance = 0;
    // Corners and stairs only directly after a straight block, never two in a row.
    bool specialAllowed = false;

    std::string next(unsigned r) {
        static const char* const kWalls[] = {"DP", "PD", "WP", "PW", "PP"};
        if (r < 15) {
            specialAllowed = true;
            return kWalls[r / 3];
        }
        if (r >= 20) {
            return "PP";
        }
        if (specialAllowed) {
            if (r < 18 && turnBalance > -kMaxTurn) {
                --turnBalance;
                specialAllowed = false;
                return "<";
            }
            if (r == 18 && turnBalance < kMaxTurn) {
                ++turnBalance;
                specialAllowed = false;
                return ">";
            }
            if (r == 19) {
                specialAllowed = false;
                return "-";
            }
        }
        // A refused corner or stairs is a straight block after all.
        specialAllowed = true;
        return "PP";
    }
};

}  // namespace

std::vector<std::string> generateLayoutCodes(int length, const std::function<int()>& draw) {
    if (length == 0) {
        length = 2;
    }
    std::vector<std::string> codes{"DD"};
    LayoutDraw layout;
    for (int i = 1; i < length; ++i) {
        // rand() is never negative; the unsigned cast keeps any other source in 0..24.
        codes.push_back(layout.next(static_cast<unsigned>(draw()) % 25u));
    }
    codes.push_back("PP");
    return codes;
}

void printRandomLayout(const std::vector<std::string>& codes, io::Output& out) {
    out.line("Printing rand level:");
    for (const std::string& code : codes) {
        out.text(code, " - ");
    }
    out.line("Finished generating level!");
}

}  // namespace brindlemoor::level
