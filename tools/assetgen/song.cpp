#include "song.h"
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include "synth.h"
#include "text_lines.h"

namespace
{

struct VoiceDef
{
    std::string name;
    bool drums = false;
    Wave wave = Wave::Square;
    double duty = 0.5, volume = 0.2;
    double attack = 0.005, decay = 0.1, sustain = 0.7, release = 0.05;
    double vibratoRate = 0, vibratoDepth = 0, vibratoDelay = 0.12; // depth in semitones
    double arpStep = 0.04;                                         // seconds per arpeggio note
    double echoSteps = 0, echoGain = 0;
    int transpose = 0;
};

struct Score
{
    double tempo = 120;
    int stepsPerBeat = 4;
    std::vector<VoiceDef> voices;
    std::map<std::string, std::map<std::string, std::vector<std::string>>> patterns;
    std::vector<std::string> order;
};

[[noreturn]] void Fail(const std::string& where, const std::string& what)
{
    throw std::runtime_error(where + ": " + what);
}

void SetVoiceParam(VoiceDef& v, const std::string& key, const std::string& value, const std::string& where)
{
    auto number = [&]() {
        try
        {
            return std::stod(value);
        }
        catch (const std::exception&)
        {
            Fail(where, "bad number '" + value + "'");
        }
    };
    if (key == "duty")
        v.duty = number();
    else if (key == "volume")
        v.volume = number();
    else if (key == "attack")
        v.attack = number();
    else if (key == "decay")
        v.decay = number();
    else if (key == "sustain")
        v.sustain = number();
    else if (key == "release")
        v.release = number();
    else if (key == "vibrato_rate")
        v.vibratoRate = number();
    else if (key == "vibrato_depth")
        v.vibratoDepth = number();
    else if (key == "vibrato_delay")
        v.vibratoDelay = number();
    else if (key == "arp_step")
        v.arpStep = number();
    else if (key == "echo_steps")
        v.echoSteps = number();
    else if (key == "echo_gain")
        v.echoGain = number();
    else if (key == "transpose")
        v.transpose = static_cast<int>(number());
    else
        Fail(where, "unknown voice setting '" + key + "'");
}

Score ParseScore(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot open score " + path);
    Score score;
    std::string line, currentPattern;
    int lineNo = 0;
    while (std::getline(in, line))
    {
        ++lineNo;
        std::string where = path + ":" + std::to_string(lineNo);
        line = StripComment(line);
        std::istringstream words(line);
        std::string head;
        if (!(words >> head))
            continue;
        if (!currentPattern.empty())
        {
            if (head == "end")
            {
                currentPattern.clear();
                continue;
            }
            bool known = false;
            for (const VoiceDef& v : score.voices)
                known = known || v.name == head;
            if (!known)
                Fail(where, "pattern line for unknown voice '" + head + "'");
            auto& tokens = score.patterns[currentPattern][head];
            for (std::string tok; words >> tok;)
                if (tok != "|")
                    tokens.push_back(tok);
            continue;
        }
        if (head == "tempo")
        {
            if (!(words >> score.tempo) || score.tempo <= 0)
                Fail(where, "bad tempo");
        }
        else if (head == "steps_per_beat")
        {
            if (!(words >> score.stepsPerBeat) || score.stepsPerBeat <= 0)
                Fail(where, "bad steps_per_beat");
        }
        else if (head == "voice")
        {
            VoiceDef v;
            std::string wave;
            if (!(words >> v.name >> wave))
                Fail(where, "voice needs a name and a wave");
            if (wave == "drums")
                v.drums = true;
            else
            {
                try
                {
                    v.wave = ParseWave(wave);
                }
                catch (const std::exception& e)
                {
                    Fail(where, e.what());
                }
            }
            for (std::string kv; words >> kv;)
            {
                size_t eq = kv.find('=');
                if (eq == std::string::npos)
                    Fail(where, "expected key=value, got '" + kv + "'");
                SetVoiceParam(v, kv.substr(0, eq), kv.substr(eq + 1), where);
            }
            score.voices.push_back(v);
        }
        else if (head == "pattern")
        {
            if (!(words >> currentPattern))
                Fail(where, "pattern needs a name");
            if (score.patterns.count(currentPattern))
                Fail(where, "pattern '" + currentPattern + "' defined twice");
            score.patterns[currentPattern];
        }
        else if (head == "order")
        {
            for (std::string name; words >> name;)
            {
                int times = 1;
                size_t star = name.find('*');
                if (star != std::string::npos)
                {
                    times = std::atoi(name.c_str() + star + 1);
                    name = name.substr(0, star);
                    if (times <= 0)
                        Fail(where, "bad repeat count");
                }
                for (int i = 0; i < times; ++i)
                    score.order.push_back(name);
            }
        }
        else
        {
            Fail(where, "unknown keyword '" + head + "'");
        }
    }
    if (!currentPattern.empty())
        Fail(path, "pattern '" + currentPattern + "' lacks 'end'");
    if (score.order.empty())
        Fail(path, "no order");
    for (const std::string& name : score.order)
        if (!score.patterns.count(name))
            Fail(path, "order names unknown pattern '" + name + "'");
    return score;
}

// Steps of one pattern: all its voice lines must agree.
size_t PatternLength(const std::map<std::string, std::vector<std::string>>& pattern, const std::string& name)
{
    size_t len = 0;
    for (const auto& [voice, tokens] : pattern)
    {
        if (len != 0 && tokens.size() != len)
            throw std::runtime_error("pattern '" + name + "': voice '" + voice + "' has " +
                                     std::to_string(tokens.size()) + " steps, others " + std::to_string(len));
        len = tokens.size();
    }
    if (len == 0)
        throw std::runtime_error("pattern '" + name + "' is empty");
    return len;
}

std::vector<int> ChordIntervals(const std::string& suffix)
{
    if (suffix.empty())
        return {0};
    if (suffix == "m")
        return {0, 3, 7};
    if (suffix == "M")
        return {0, 4, 7};
    if (suffix == "7")
        return {0, 4, 7, 10};
    if (suffix == "m7")
        return {0, 3, 7, 10};
    if (suffix == "5")
        return {0, 7, 12};
    if (suffix == "o")
        return {0, 12};
    if (suffix == "sus")
        return {0, 5, 7};
    throw std::runtime_error("unknown chord '" + suffix + "'");
}

// Adds src into dst at `start`, wrapping round the loop.
void AddWrapped(std::vector<float>& dst, size_t start, const std::vector<float>& src)
{
    for (size_t i = 0; i < src.size(); ++i)
        dst[(start + i) % dst.size()] += src[i];
}

std::vector<float> RenderTone(const VoiceDef& v, int midi, const std::vector<int>& chord, double noteSeconds)
{
    size_t total = static_cast<size_t>((noteSeconds + v.release) * kSampleRate);
    std::vector<float> out(total);
    Oscillator osc(v.wave, v.duty);
    for (size_t i = 0; i < total; ++i)
    {
        double t = static_cast<double>(i) / kSampleRate;
        double env;
        if (t < v.attack)
            env = t / v.attack;
        else if (t < v.attack + v.decay)
            env = 1 - (1 - v.sustain) * (t - v.attack) / v.decay;
        else
            env = v.sustain;
        if (t >= noteSeconds)
            env *= std::max(0.0, 1 - (t - noteSeconds) / v.release);
        double pitch = midi + v.transpose + chord[static_cast<size_t>(t / v.arpStep) % chord.size()];
        if (v.vibratoDepth > 0 && t > v.vibratoDelay)
            pitch += v.vibratoDepth * std::sin(6.283185307179586 * v.vibratoRate * (t - v.vibratoDelay));
        out[i] = static_cast<float>(osc.Next(MidiToHz(pitch)) * env * v.volume);
    }
    return out;
}

std::vector<float> RenderDrum(char kind, double volume)
{
    const double kTwoPi = 6.283185307179586;
    std::vector<float> out;
    NoiseSource noise;
    LowPass lp;
    double phase = 0;
    if (kind == 'k')
    {
        out.resize(static_cast<size_t>(0.16 * kSampleRate));
        for (size_t i = 0; i < out.size(); ++i)
        {
            double t = static_cast<double>(i) / kSampleRate;
            double f = 45 + 110 * std::exp(-t / 0.025);
            phase += f / kSampleRate;
            double env = std::exp(-t / 0.06) * std::min(1.0, t / 0.002);
            out[i] = static_cast<float>(std::sin(kTwoPi * phase) * env * volume * 1.4);
        }
    }
    else if (kind == 's')
    {
        out.resize(static_cast<size_t>(0.14 * kSampleRate));
        for (size_t i = 0; i < out.size(); ++i)
        {
            double t = static_cast<double>(i) / kSampleRate;
            phase += 185.0 / kSampleRate;
            double tone = (phase - std::floor(phase) < 0.5 ? 1 : -1) * std::exp(-t / 0.025) * 0.35;
            double n = lp.Next(noise.Next(11000), 5000) * std::exp(-t / 0.045);
            out[i] = static_cast<float>((tone + n) * volume * std::min(1.0, t / 0.001));
        }
    }
    else if (kind == 'h' || kind == 'o')
    {
        double decay = kind == 'h' ? 0.012 : 0.06;
        out.resize(static_cast<size_t>(decay * 6 * kSampleRate));
        float prev = 0;
        for (size_t i = 0; i < out.size(); ++i)
        {
            double t = static_cast<double>(i) / kSampleRate;
            float n = noise.Next(18000);
            float high = n - prev; // crude high-pass: a hiss, not a thud
            prev = n;
            out[i] = static_cast<float>(high * 0.35 * std::exp(-t / decay) * volume);
        }
    }
    else
    {
        throw std::runtime_error(std::string("unknown drum '") + kind + "'");
    }
    return out;
}

std::vector<float> RenderVoice(const VoiceDef& v, const std::vector<std::string>& tokens, double stepSeconds,
                               size_t loopSamples)
{
    std::vector<float> out(loopSamples, 0.0f);
    auto startSample = [&](size_t step) { return static_cast<size_t>(std::lround(step * stepSeconds * kSampleRate)); };
    for (size_t i = 0; i < tokens.size(); ++i)
    {
        const std::string& tok = tokens[i];
        if (tok == "." || tok == "-")
            continue;
        if (v.drums)
        {
            for (char kind : tok)
                AddWrapped(out, startSample(i), RenderDrum(kind, v.volume));
            continue;
        }
        size_t len = 1;
        while (i + len < tokens.size() && tokens[i + len] == "-")
            ++len;
        size_t colon = tok.find(':');
        int midi = NoteNameToMidi(tok.substr(0, colon));
        std::vector<int> chord = ChordIntervals(colon == std::string::npos ? "" : tok.substr(colon + 1));
        // Leave a hair of silence before the next note so repeated notes re-attack.
        double seconds = len * stepSeconds - 0.012;
        AddWrapped(out, startSample(i), RenderTone(v, midi, chord, seconds));
    }
    if (v.echoGain > 0 && v.echoSteps > 0)
    {
        std::vector<float> dry = out;
        size_t delay = static_cast<size_t>(std::lround(v.echoSteps * stepSeconds * kSampleRate));
        double gain = v.echoGain;
        for (int tap = 1; tap <= 4; ++tap, gain *= v.echoGain)
            for (size_t n = 0; n < loopSamples; ++n)
                out[(n + delay * tap) % loopSamples] += static_cast<float>(dry[n] * gain);
    }
    return out;
}

} // namespace

RenderedSong RenderSongFile(const std::string& path)
{
    Score score = ParseScore(path);
    double stepSeconds = 60.0 / score.tempo / score.stepsPerBeat;
    std::map<std::string, std::vector<std::string>> streams;
    size_t totalSteps = 0;
    for (const std::string& name : score.order)
    {
        const auto& pattern = score.patterns.at(name);
        size_t len;
        try
        {
            len = PatternLength(pattern, name);
        }
        catch (const std::runtime_error& e)
        {
            throw std::runtime_error(path + ": " + e.what());
        }
        for (const VoiceDef& v : score.voices)
        {
            auto& stream = streams[v.name];
            auto it = pattern.find(v.name);
            if (it == pattern.end())
                stream.insert(stream.end(), len, ".");
            else
                stream.insert(stream.end(), it->second.begin(), it->second.end());
        }
        totalSteps += len;
    }
    size_t loopSamples = static_cast<size_t>(std::lround(totalSteps * stepSeconds * kSampleRate));
    RenderedSong song;
    song.samples.assign(loopSamples, 0.0f);
    for (const VoiceDef& v : score.voices)
    {
        try
        {
            std::vector<float> voice = RenderVoice(v, streams[v.name], stepSeconds, loopSamples);
            for (size_t i = 0; i < loopSamples; ++i)
                song.samples[i] += voice[i];
        }
        catch (const std::runtime_error& e)
        {
            throw std::runtime_error(path + ": voice '" + v.name + "': " + e.what());
        }
    }
    song.seconds = static_cast<double>(loopSamples) / kSampleRate;
    return song;
}
