#include "ChalkFont.h"

#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

namespace assetgen {

namespace {

// Each glyph as a little path language: "M x,y" starts a stroke, "L x,y"
// continues it, "A cx,cy,rx,ry,from,to" is an arc of its own (degrees,
// counter-clockwise when to > from).
struct GlyphPath {
    char c;
    const char* path;
};

const GlyphPath kGlyphs[] = {
    {' ', ""},
    {'!', "M2,6.1 L2,2 M1.95,0.25 L2.05,0.35"},
    {'"', "M1.3,6.2 L1.3,4.6 M2.7,6.2 L2.7,4.6"},
    {'#', "M1.5,5.6 L1.1,0.4 M3.0,5.6 L2.6,0.4 M0.4,4.0 L3.7,4.0 M0.3,2.0 L3.6,2.0"},
    {'$', "A2,4.45,1.6,1.3,25,270 A2,1.75,1.7,1.4,90,-155 M2,6.3 L2,-0.3"},
    {'%', "M3.6,6 L0.4,0 A1,4.9,0.75,0.95,0,360 A3,1.1,0.75,0.95,0,360"},
    {'&', "M3.8,0 L1.3,3.8 L1.1,4.8 L1.5,5.8 L2.2,5.95 L2.75,5.3 L2.6,4.5 L0.8,2.7 L0.4,1.4 L0.9,0.3 "
          "L1.9,0 L2.9,0.4 L3.8,1.9"},
    {'\'', "M2,6.2 L1.8,4.6"},
    {'(', "A3.6,3,2.1,3.5,118,242"},
    {')', "A0.4,3,2.1,3.5,62,-62"},
    {'*', "M2,5.4 L2,1.6 M0.4,4.5 L3.6,2.5 M0.4,2.5 L3.6,4.5"},
    {'+', "M2,5 L2,1 M0.2,3 L3.8,3"},
    {',', "M2.2,0.7 L1.6,-0.4"},
    {'-', "M0.6,3 L3.4,3"},
    {'.', "M1.95,0.3 L2.05,0.4"},
    {'/', "M3.6,6.2 L0.4,-0.2"},
    {'0', "A2,3,1.8,3,0,360 M2.9,4.7 L1.1,1.3"},
    {'1', "M0.9,4.6 L2.3,6 L2.3,0 M0.9,0 L3.7,0"},
    {'2', "A2,4.2,1.7,1.75,160,-35 M3.4,3.2 L0.3,0 L3.8,0"},
    {'3', "A2,4.5,1.6,1.45,150,-90 A2,1.55,1.75,1.55,90,-150"},
    {'4', "M2.8,0 L2.8,6 L0.2,1.8 L3.8,1.8"},
    {'5', "M3.5,6 L0.7,6 L0.5,3.4 A1.9,1.9,1.85,1.9,128,-150"},
    {'6', "A2.1,1.85,1.75,1.85,0,360 M3.3,5.7 L2.4,6 L1.5,5.7 L0.7,4.6 L0.35,3 L0.35,1.9"},
    {'7', "M0.2,6 L3.8,6 L1.5,0"},
    {'8', "A2,4.65,1.4,1.35,0,360 A2,1.65,1.75,1.65,0,360"},
    {'9', "A1.9,4.15,1.75,1.85,0,360 M3.65,4.1 L3.5,2.1 L2.9,0.7 L1.9,0 L0.6,0.35"},
    {':', "M1.95,0.6 L2.05,0.7 M1.95,3.9 L2.05,4.0"},
    {';', "M1.95,3.9 L2.05,4.0 M2.2,0.9 L1.6,-0.4"},
    {'<', "M3.6,5.2 L0.4,3 L3.6,0.8"},
    {'=', "M0.4,4 L3.6,4 M0.4,2 L3.6,2"},
    {'>', "M0.4,5.2 L3.6,3 L0.4,0.8"},
    {'?', "A2,4.4,1.7,1.55,160,-80 M2.3,2.85 L2,2.1 M1.95,0.25 L2.05,0.35"},
    {'@', "A2.1,3,0.85,1.1,0,360 M2.95,4.1 L2.95,2.1 L3.45,1.8 L3.95,2.5 A2,3,1.95,2.9,10,320"},
    {'A', "M0.2,0 L2,6 L3.8,0 M0.9,2.2 L3.1,2.2"},
    {'B', "M0.4,0 L0.4,6 L2.3,6 A2.3,4.55,1.3,1.45,90,-90 M0.4,3.1 L2.4,3.1 A2.4,1.55,1.4,1.55,90,-90 "
          "M2.4,0 L0.4,0"},
    {'C', "A2.2,3,1.95,3,48,312"},
    {'D', "M0.4,0 L0.4,6 L1.6,6 A1.6,3,2.1,3,90,-90 M1.6,0 L0.4,0"},
    {'E', "M3.6,6 L0.4,6 L0.4,0 L3.6,0 M0.4,3.1 L2.8,3.1"},
    {'F', "M3.6,6 L0.4,6 L0.4,0 M0.4,3.1 L2.8,3.1"},
    {'G', "A2.2,3,1.8,3,50,335 M3.85,1.6 L3.85,2.8 L2.4,2.8"},
    {'H', "M0.4,0 L0.4,6 M3.6,0 L3.6,6 M0.4,3.1 L3.6,3.1"},
    {'I', "M2,0 L2,6 M0.9,6 L3.1,6 M0.9,0 L3.1,0"},
    {'J', "M3.2,6 L3.2,1.6 A1.8,1.6,1.4,1.6,0,-170"},
    {'K', "M0.4,0 L0.4,6 M3.6,6 L0.5,2.6 M1.5,3.6 L3.7,0"},
    {'L', "M0.5,6 L0.5,0 L3.6,0"},
    {'M', "M0.2,0 L0.4,6 L2,2.4 L3.6,6 L3.8,0"},
    {'N', "M0.4,0 L0.4,6 L3.6,0 L3.6,6"},
    {'O', "A2,3,1.9,3,0,360"},
    {'P', "M0.4,0 L0.4,6 L2.3,6 A2.3,4.45,1.4,1.55,90,-90 M2.3,2.9 L0.4,2.9"},
    {'Q', "A2,3.15,1.9,2.85,0,360 M2.4,1.4 L3.8,-0.3"},
    {'R', "M0.4,0 L0.4,6 L2.3,6 A2.3,4.45,1.4,1.55,90,-90 M2.3,2.9 L0.4,2.9 M1.9,2.9 L3.7,0"},
    {'S', "A2,4.5,1.65,1.4,20,270 A2,1.6,1.8,1.5,90,-160"},
    {'T', "M0.1,6 L3.9,6 M2,6 L2,0"},
    {'U', "M0.4,6 L0.4,2 A2,2,1.6,2,180,360 M3.6,2 L3.6,6"},
    {'V', "M0.2,6 L2,0 L3.8,6"},
    {'W', "M0,6 L0.9,0 L2,4.2 L3.1,0 L4,6"},
    {'X', "M0.3,6 L3.7,0 M3.7,6 L0.3,0"},
    {'Y', "M0.2,6 L2,3 L3.8,6 M2,3 L2,0"},
    {'Z', "M0.4,6 L3.6,6 L0.4,0 L3.6,0"},
    {'[', "M3,6.3 L1.4,6.3 L1.4,-0.3 L3,-0.3"},
    {'\\', "M0.4,6.2 L3.6,-0.2"},
    {']', "M1,6.3 L2.6,6.3 L2.6,-0.3 L1,-0.3"},
    {'^', "M0.6,3.8 L2,6 L3.4,3.8"},
    {'_', "M0.2,-0.3 L3.8,-0.3"},
};

// A decimal number, read without the C library so every machine gets the
// same double: digits as an integer, divided by a power of ten.
double readNumber(const char*& p) {
    bool negative = false;
    if (*p == '-') {
        negative = true;
        ++p;
    }
    long long digits = 0;
    long long scale = 1;
    bool seenPoint = false;
    while ((*p >= '0' && *p <= '9') || *p == '.') {
        if (*p == '.') {
            seenPoint = true;
        } else {
            digits = digits * 10 + (*p - '0');
            if (seenPoint) scale *= 10;
        }
        ++p;
    }
    const double value = static_cast<double>(digits) / static_cast<double>(scale);
    return negative ? -value : value;
}

std::vector<double> readNumbers(const char*& p, int count) {
    std::vector<double> out;
    for (int i = 0; i < count; ++i) {
        out.push_back(readNumber(p));
        if (i + 1 < count) {
            if (*p != ',') throw std::runtime_error("bad glyph path");
            ++p;
        }
    }
    return out;
}

Stroke arc(double cx, double cy, double rx, double ry, double from, double to) {
    const int segments = static_cast<int>(std::ceil(std::fabs(to - from) / 12.0));
    Stroke s;
    for (int i = 0; i <= segments; ++i) {
        const double a = from + (to - from) * i / segments;
        s.push_back({cx + rx * cosDeg(a), cy + ry * sinDeg(a)});
    }
    return s;
}

}  // namespace

std::vector<Stroke> glyphStrokes(char c) {
    for (const GlyphPath& g : kGlyphs) {
        if (g.c != c) continue;
        std::vector<Stroke> strokes;
        const char* p = g.path;
        while (*p != '\0') {
            const char command = *p++;
            if (command == ' ') continue;
            if (command == 'M') {
                const auto v = readNumbers(p, 2);
                strokes.push_back({{v[0], v[1]}});
            } else if (command == 'L') {
                const auto v = readNumbers(p, 2);
                if (strokes.empty()) throw std::runtime_error("line before move in glyph path");
                strokes.back().push_back({v[0], v[1]});
            } else if (command == 'A') {
                const auto v = readNumbers(p, 6);
                strokes.push_back(arc(v[0], v[1], v[2], v[3], v[4], v[5]));
            } else {
                throw std::runtime_error(std::string("bad glyph command ") + command);
            }
        }
        return strokes;
    }
    throw std::runtime_error(std::string("no glyph for ") + c);
}

}  // namespace assetgen
