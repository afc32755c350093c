#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// An RGB triple as it ends up in the files.
struct Rgb
{
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// The colour the game keys out: the only way a picture can be transparent.
constexpr Rgb kTransparentRgb{0, 255, 255};

// The shared palette, read from assets/palette.txt. Pictures are drawn with
// palette indices; the index kClear stands for "nothing here".
class Palette
{
public:
    static constexpr int kClear = -1;

    // Throws std::runtime_error on a malformed file, a duplicate name or a
    // colour equal to the transparency key.
    static Palette Load(const std::string& path);

    int operator[](const std::string& name) const; // throws if unknown
    Rgb Colour(int index) const;                   // kClear -> key colour
    int Size() const { return static_cast<int>(colours_.size()); }
    const std::string& Name(int index) const { return names_.at(index); }

private:
    std::vector<Rgb> colours_;
    std::vector<std::string> names_;
    std::map<std::string, int> byName_;
};
