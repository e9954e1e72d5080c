#include "AssetGen.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

void Put(QByteArray& out, quint32 v, int bytes)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, bytes);
}

// A RIFF WAVE file of 16-bit PCM with exactly a "fmt " and a "data" chunk.
QByteArray Wave(int channels, int frames, const std::function<double(int frame, int channel)>& sample)
{
    const quint32 dataBytes = quint32(frames) * channels * 2;
    QByteArray out("RIFF");
    Put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    Put(out, 16, 4);
    Put(out, 1, 2);
    Put(out, channels, 2);
    Put(out, kRate, 4);
    Put(out, kRate * channels * 2, 4);
    Put(out, channels * 2, 2);
    Put(out, 16, 2);
    out += "data";
    Put(out, dataBytes, 4);
    for (int f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c) {
            const double v = std::clamp(sample(f, c), -1.0, 1.0);
            Put(out, quint16(qint16(std::lround(v * 32767.0))), 2);
        }
    return out;
}

// A struck bell-like tone: a few inharmonic partials, each fading on its own.
double Bell(double t, double freq)
{
    if (t < 0)
        return 0;
    const double attack = std::min(1.0, t / 0.004);
    static const double partials[][3] = {{1.0, 1.0, 1.6}, {2.0, 0.45, 2.6}, {3.01, 0.2, 4.0}, {4.17, 0.12, 6.0}};
    double v = 0;
    for (const auto& p : partials)
        v += p[1] * std::exp(-p[2] * t) * std::sin(2 * kPi * freq * p[0] * t);
    return attack * v / 1.8;
}

// Silences the last 50 ms so the clip never ends with a click.
double Tail(int frame, int frames)
{
    const int fade = kRate / 20;
    return frame >= frames - fade ? double(frames - frame) / fade : 1.0;
}

} // namespace

// 313,336 data bytes: mono, 3.55 s. Two bright bell notes a fifth apart.
QByteArray ChimeWave()
{
    const int frames = 313336 / 2;
    return Wave(1, frames, [frames](int f, int) {
        const double t = double(f) / kRate;
        return 0.55 * (Bell(t, 1318.51) + 0.9 * Bell(t - 0.18, 1975.53)) * Tail(f, frames);
    });
}

// 488,428 data bytes: stereo, 2.77 s. A quick rising pair, the second note a
// little to the right, as a soft confirmation.
QByteArray LoginWave()
{
    const int frames = 488428 / 4;
    return Wave(2, frames, [frames](int f, int channel) {
        const double t = double(f) / kRate;
        const double first = Bell(t, 659.26) * (channel == 0 ? 1.0 : 0.75);
        const double second = Bell(t - 0.11, 987.77) * (channel == 0 ? 0.75 : 1.0);
        return 0.5 * (first + second) * std::exp(-0.8 * t) * Tail(f, frames);
    });
}
