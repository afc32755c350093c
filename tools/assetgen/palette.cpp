#include "palette.h"
#include <fstream>
#include <sstream>
#include <stdexcept>
#include "text_lines.h"

Palette Palette::Load(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot open palette " + path);
    Palette pal;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line))
    {
        ++lineNo;
        line = StripComment(line);
        std::istringstream fields(line);
        std::string name;
        if (!(fields >> name))
            continue;
        int r, g, b;
        if (!(fields >> r >> g >> b) || r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255)
            throw std::runtime_error(path + ":" + std::to_string(lineNo) + ": bad colour line");
        Rgb c{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
        if (c == kTransparentRgb)
            throw std::runtime_error(path + ": colour '" + name + "' equals the transparency key");
        if (pal.byName_.count(name))
            throw std::runtime_error(path + ": colour '" + name + "' defined twice");
        pal.byName_[name] = static_cast<int>(pal.colours_.size());
        pal.colours_.push_back(c);
        pal.names_.push_back(name);
    }
    if (pal.colours_.empty())
        throw std::runtime_error(path + ": no colours");
    return pal;
}

int Palette::operator[](const std::string& name) const
{
    auto it = byName_.find(name);
    if (it == byName_.end())
        throw std::runtime_error("palette has no colour '" + name + "'");
    return it->second;
}

Rgb Palette::Colour(int index) const
{
    if (index == kClear)
        return kTransparentRgb;
    return colours_.at(static_cast<size_t>(index));
}
