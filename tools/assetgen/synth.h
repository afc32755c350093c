#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The game's mixer runs at this rate, so everything is made at it.
constexpr int kSampleRate = 22050;

enum class Wave
{
    Square,
    Triangle,
    Saw,
    Sine,
    Noise
};
Wave ParseWave(const std::string& name); // throws on an unknown name

// A 15-bit shift register like the old sound chips': deterministic noise.
class NoiseSource
{
public:
    // Steps the register `rate` times a second and returns +-1.
    float Next(double rate);

private:
    uint16_t reg_ = 1;
    double clock_ = 0;
    float value_ = 1;
};

// One voice's waveform generator; the phase is kept between calls so that
// sweeps and vibrato stay continuous.
class Oscillator
{
public:
    explicit Oscillator(Wave wave, double duty = 0.5) : wave_(wave), duty_(duty) {}
    float Next(double frequency);

private:
    Wave wave_;
    double duty_;
    double phase_ = 0;
    NoiseSource noise_;
};

// One-pole low-pass filter, cutoff may change every sample.
class LowPass
{
public:
    float Next(float in, double cutoffHz);

private:
    float y_ = 0;
};

double MidiToHz(double midi);
// "C4", "F#3", "Bb5" -> MIDI number; throws on anything else.
int NoteNameToMidi(const std::string& name);

float Peak(const std::vector<float>& s);
float Rms(const std::vector<float>& s);
void Scale(std::vector<float>& s, float gain);
