// Writes the program's two sounds, gagner.wav and perdu.wav, as 16-bit PCM
// mono WAV files at 22050 Hz. Standard library only, so that the build needs
// no audio tool.
//
//   makesounds <output folder>
//
// gagner.wav: a quick rising arpeggio (C E G C), bright but soft.
// perdu.wav:  a gentle falling "oh-oh" (E then C, the second note sliding
//             a little lower), calm rather than alarming.
//
// Every note has a soft attack and a smooth release so that nothing clicks,
// and the whole sound peaks well below full scale.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;

struct Note {
    double start;      // seconds from the beginning of the sound
    double length;     // seconds, release included
    double frequency;  // Hz at the start of the note
    double glide;      // frequency ratio reached at the end of the note
    double level;      // peak amplitude, 0..1
};

// A note with a warm timbre (fundamental, a little octave and twelfth) and an
// envelope made of a raised-cosine attack, a slow decay and a raised-cosine
// release: the amplitude and its slope are both zero at each end.
void addNote(std::vector<double>& mix, const Note& n)
{
    const double attack = 0.015;
    const double release = std::min(0.12, n.length * 0.45);
    const int first = static_cast<int>(n.start * kRate);
    const int count = static_cast<int>(n.length * kRate);
    double phase = 0.0;
    for (int i = 0; i < count; ++i) {
        const int at = first + i;
        if (at < 0 || at >= static_cast<int>(mix.size()))
            continue;
        const double t = static_cast<double>(i) / kRate;
        double env = std::exp(-2.5 * t);
        if (t < attack)
            env *= 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack);
        const double left = n.length - t;
        if (left < release)
            env *= 0.5 - 0.5 * std::cos(std::numbers::pi * left / release);
        // Exponential glide from frequency to frequency * glide.
        const double f = n.frequency * std::pow(n.glide, t / n.length);
        phase += 2.0 * std::numbers::pi * f / kRate;
        const double wave = std::sin(phase) + 0.25 * std::sin(2.0 * phase)
            + 0.08 * std::sin(3.0 * phase);
        mix[at] += n.level * env * wave / 1.33;
    }
}

// Scales the mix so that its highest absolute sample is `peak` of full
// scale, then converts it to 16-bit samples.
std::vector<std::int16_t> toPcm(const std::vector<double>& mix, double peak)
{
    double highest = 0.0;
    for (double v : mix)
        highest = std::max(highest, std::fabs(v));
    const double gain = highest > 0.0 ? peak / highest : 0.0;
    std::vector<std::int16_t> pcm;
    pcm.reserve(mix.size());
    for (double v : mix)
        pcm.push_back(static_cast<std::int16_t>(std::lround(v * gain * 32767.0)));
    return pcm;
}

void put16(std::ofstream& out, std::uint16_t v)
{
    const char b[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    out.write(b, 2);
}

void put32(std::ofstream& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.put(static_cast<char>((v >> (8 * i)) & 0xff));
}

bool writeWav(const std::string& path, const std::vector<std::int16_t>& pcm)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    put32(out, 16);          // size of the format chunk
    put16(out, 1);           // PCM
    put16(out, 1);           // mono
    put32(out, kRate);
    put32(out, kRate * 2);   // bytes per second
    put16(out, 2);           // bytes per frame
    put16(out, 16);          // bits per sample
    out.write("data", 4);
    put32(out, dataBytes);
    for (std::int16_t s : pcm)
        put16(out, static_cast<std::uint16_t>(s));
    return static_cast<bool>(out.flush());
}

std::vector<double> silence(double seconds)
{
    return std::vector<double>(static_cast<std::size_t>(seconds * kRate), 0.0);
}

std::vector<std::int16_t> gagner()
{
    // C5 E5 G5 then a longer C6; each note rings on under the next one.
    std::vector<double> mix = silence(0.70);
    const double notes[] = {523.25, 659.26, 783.99, 1046.50};
    for (int i = 0; i < 4; ++i) {
        const bool last = i == 3;
        addNote(mix, {0.01 + 0.11 * i, last ? 0.36 : 0.22, notes[i], 1.0, last ? 1.0 : 0.8});
    }
    return toPcm(mix, 0.5);
}

std::vector<std::int16_t> perdu()
{
    // E4 then C4 sinking by about a semitone: a soft "oh-oh".
    std::vector<double> mix = silence(0.75);
    addNote(mix, {0.01, 0.28, 329.63, 1.0, 1.0});
    addNote(mix, {0.31, 0.42, 261.63, 0.94, 0.9});
    return toPcm(mix, 0.45);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makesounds <output folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool ok = writeWav(folder + "/gagner.wav", gagner())
        && writeWav(folder + "/perdu.wav", perdu());
    if (!ok) {
        std::fprintf(stderr, "makesounds: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
