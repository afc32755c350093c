#include "effects.h"
#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include "synth.h"
#include "text_lines.h"

namespace
{

struct Layer
{
    Wave wave = Wave::Square;
    double start = 0, dur = 0.1;
    double f0 = 440, f1 = 440, curve = 1;
    double duty = 0.5, vol = 1;
    double attack = 0.002, release = 0.02, decay = 0; // decay: exponential time constant, 0 = none
    double vibRate = 0, vibDepth = 0;                 // depth as a fraction of the frequency
    double tremRate = 0, tremDepth = 0;
    double lp0 = 0, lp1 = 0; // low-pass cutoff sweep, 0 = off
};

void SetLayerParam(Layer& l, const std::string& key, const std::string& value)
{
    if (key == "wave")
    {
        l.wave = ParseWave(value);
        return;
    }
    double v;
    try
    {
        v = std::stod(value);
    }
    catch (const std::exception&)
    {
        throw std::runtime_error("bad number '" + value + "'");
    }
    if (key == "start")
        l.start = v;
    else if (key == "dur")
        l.dur = v;
    else if (key == "f0")
        l.f0 = v;
    else if (key == "f1")
        l.f1 = v;
    else if (key == "curve")
        l.curve = v;
    else if (key == "duty")
        l.duty = v;
    else if (key == "vol")
        l.vol = v;
    else if (key == "attack")
        l.attack = v;
    else if (key == "release")
        l.release = v;
    else if (key == "decay")
        l.decay = v;
    else if (key == "vib_rate")
        l.vibRate = v;
    else if (key == "vib_depth")
        l.vibDepth = v;
    else if (key == "trem_rate")
        l.tremRate = v;
    else if (key == "trem_depth")
        l.tremDepth = v;
    else if (key == "lp0")
        l.lp0 = v;
    else if (key == "lp1")
        l.lp1 = v;
    else
        throw std::runtime_error("unknown layer setting '" + key + "'");
    if (l.dur <= 0 || l.f0 <= 0 || l.f1 <= 0 || l.attack < 0 || l.release < 0)
        throw std::runtime_error("layer setting '" + key + "' out of range");
}

void RenderLayer(const Layer& l, std::vector<float>& out)
{
    const double kTwoPi = 6.283185307179586;
    size_t first = static_cast<size_t>(l.start * kSampleRate);
    size_t count = static_cast<size_t>(l.dur * kSampleRate);
    if (out.size() < first + count)
        out.resize(first + count, 0.0f);
    Oscillator osc(l.wave, l.duty);
    LowPass lp;
    for (size_t i = 0; i < count; ++i)
    {
        double t = static_cast<double>(i) / kSampleRate;
        double u = std::pow(t / l.dur, l.curve);
        double freq = l.f0 * std::pow(l.f1 / l.f0, u);
        if (l.vibDepth > 0)
            freq *= 1 + l.vibDepth * std::sin(kTwoPi * l.vibRate * t);
        double env = 1;
        if (l.attack > 0 && t < l.attack)
            env = t / l.attack;
        if (l.release > 0 && t > l.dur - l.release)
            env = std::min(env, (l.dur - t) / l.release);
        if (l.decay > 0)
            env *= std::exp(-t / l.decay);
        if (l.tremDepth > 0)
            env *= 1 - l.tremDepth * 0.5 * (1 - std::cos(kTwoPi * l.tremRate * t));
        float s = osc.Next(freq);
        if (l.lp0 > 0)
            s = lp.Next(s, l.lp0 * std::pow(l.lp1 / l.lp0, u));
        out[first + i] += static_cast<float>(s * env * l.vol);
    }
}

} // namespace

std::map<std::string, std::vector<float>> RenderEffectsFile(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot open effects " + path);
    std::map<std::string, std::vector<float>> effects;
    std::string line, current;
    int lineNo = 0;
    while (std::getline(in, line))
    {
        ++lineNo;
        std::string where = path + ":" + std::to_string(lineNo) + ": ";
        line = StripComment(line);
        std::istringstream words(line);
        std::string head;
        if (!(words >> head))
            continue;
        try
        {
            if (head == "effect")
            {
                if (!current.empty())
                    throw std::runtime_error("effect '" + current + "' lacks 'end'");
                if (!(words >> current))
                    throw std::runtime_error("effect needs a name");
                if (effects.count(current))
                    throw std::runtime_error("effect '" + current + "' defined twice");
                effects[current];
            }
            else if (head == "layer")
            {
                if (current.empty())
                    throw std::runtime_error("layer outside an effect");
                Layer layer;
                for (std::string kv; words >> kv;)
                {
                    size_t eq = kv.find('=');
                    if (eq == std::string::npos)
                        throw std::runtime_error("expected key=value, got '" + kv + "'");
                    SetLayerParam(layer, kv.substr(0, eq), kv.substr(eq + 1));
                }
                RenderLayer(layer, effects[current]);
            }
            else if (head == "end")
            {
                if (current.empty())
                    throw std::runtime_error("'end' without effect");
                current.clear();
            }
            else
            {
                throw std::runtime_error("unknown keyword '" + head + "'");
            }
        }
        catch (const std::runtime_error& e)
        {
            throw std::runtime_error(where + e.what());
        }
    }
    if (!current.empty())
        throw std::runtime_error(path + ": effect '" + current + "' lacks 'end'");
    return effects;
}
