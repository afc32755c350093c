#include "synth.h"
#include <cctype>
#include <cmath>
#include <stdexcept>

Wave ParseWave(const std::string& name)
{
    if (name == "square")
        return Wave::Square;
    if (name == "triangle")
        return Wave::Triangle;
    if (name == "saw")
        return Wave::Saw;
    if (name == "sine")
        return Wave::Sine;
    if (name == "noise")
        return Wave::Noise;
    throw std::runtime_error("unknown wave '" + name + "'");
}

float NoiseSource::Next(double rate)
{
    clock_ += rate / kSampleRate;
    while (clock_ >= 1.0)
    {
        clock_ -= 1.0;
        uint16_t bit = static_cast<uint16_t>((reg_ ^ (reg_ >> 1)) & 1u);
        reg_ = static_cast<uint16_t>((reg_ >> 1) | (bit << 14));
        value_ = (reg_ & 1u) ? 1.0f : -1.0f;
    }
    return value_;
}

float Oscillator::Next(double frequency)
{
    const double kTwoPi = 6.283185307179586;
    float v = 0;
    switch (wave_)
    {
    case Wave::Square:
        v = phase_ < duty_ ? 1.0f : -1.0f;
        break;
    case Wave::Triangle:
        v = static_cast<float>(phase_ < 0.5 ? 4 * phase_ - 1 : 3 - 4 * phase_);
        break;
    case Wave::Saw:
        v = static_cast<float>(2 * phase_ - 1);
        break;
    case Wave::Sine:
        v = static_cast<float>(std::sin(kTwoPi * phase_));
        break;
    case Wave::Noise:
        v = noise_.Next(frequency);
        break;
    }
    phase_ += frequency / kSampleRate;
    phase_ -= std::floor(phase_);
    return v;
}

float LowPass::Next(float in, double cutoffHz)
{
    double a = 1.0 - std::exp(-6.283185307179586 * cutoffHz / kSampleRate);
    y_ += static_cast<float>(a) * (in - y_);
    return y_;
}

double MidiToHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

int NoteNameToMidi(const std::string& name)
{
    static const int semis[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (name.size() < 2)
        throw std::runtime_error("bad note '" + name + "'");
    char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if (letter < 'A' || letter > 'G')
        throw std::runtime_error("bad note '" + name + "'");
    int semi = semis[letter - 'A'];
    size_t i = 1;
    if (name[i] == '#')
        semi++, i++;
    else if (name[i] == 'b')
        semi--, i++;
    if (i >= name.size())
        throw std::runtime_error("bad note '" + name + "'");
    int octave = 0;
    try
    {
        size_t used = 0;
        octave = std::stoi(name.substr(i), &used);
        if (used != name.size() - i)
            throw std::invalid_argument("trailing");
    }
    catch (const std::exception&)
    {
        throw std::runtime_error("bad note '" + name + "'");
    }
    return 12 * (octave + 1) + semi;
}

float Peak(const std::vector<float>& s)
{
    float p = 0;
    for (float v : s)
        p = std::max(p, std::fabs(v));
    return p;
}

float Rms(const std::vector<float>& s)
{
    if (s.empty())
        return 0;
    double sum = 0;
    for (float v : s)
        sum += static_cast<double>(v) * v;
    return static_cast<float>(std::sqrt(sum / s.size()));
}

void Scale(std::vector<float>& s, float gain)
{
    for (float& v : s)
        v *= gain;
}
