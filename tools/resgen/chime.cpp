// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The chime heard when a word is solved: two bell strikes a fifth apart, in the classic 8-bit
// mono wave layout of 11,820 bytes.
#include "resgen.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace resgen {

namespace {

constexpr int sampleRate = 22050;
constexpr int sampleCount = 11761;

struct Strike {
    double start; // seconds
    double pitch; // Hz
    double level;
};

// C6 then G6: bright but soft, over in about half a second.
constexpr Strike strikes[] = {{0.0, 1046.5, 1.0}, {0.13, 1568.0, 0.8}};

// A struck bell: a quick rise, then partials that die away, the higher ones faster.
double bell(double t, double pitch) {
    struct Partial {
        double ratio, level, decay;
    };
    constexpr Partial partials[] = {{1.0, 1.0, 7.0}, {2.0, 0.3, 12.0}, {3.0, 0.1, 18.0}};
    const double rise = std::min(1.0, t / 0.004);
    double sum = 0;
    for (const Partial& p : partials)
        sum +=
            p.level * std::exp(-p.decay * t) * std::sin(2 * std::numbers::pi * pitch * p.ratio * t);
    return rise * sum;
}

// The last 40 ms fade to silence, so the clip never ends on a click.
double fadeOut(int index) {
    constexpr int fadeSamples = sampleRate * 40 / 1000;
    const int left = sampleCount - 1 - index;
    return left >= fadeSamples ? 1.0 : double(left) / fadeSamples;
}

std::vector<double> chimeWave() {
    std::vector<double> wave(sampleCount);
    for (int i = 0; i < sampleCount; ++i) {
        const double t = double(i) / sampleRate;
        for (const Strike& s : strikes)
            if (t >= s.start)
                wave[i] += s.level * bell(t - s.start, s.pitch);
        wave[i] *= fadeOut(i);
    }
    return wave;
}

// Unsigned 8-bit samples around 128, the loudest at 80 % of full scale: no clipping.
QByteArray unsignedBytes(const std::vector<double>& wave) {
    const double peak = std::abs(std::ranges::max(wave, {}, [](double v) { return std::abs(v); }));
    QByteArray bytes;
    for (const double v : wave)
        bytes.append(char(128 + std::lround(v / peak * 0.8 * 127)));
    return bytes;
}

void appendLE(QByteArray& out, quint32 value, int size) {
    for (int i = 0; i < size; ++i)
        out.append(char(value >> (8 * i) & 0xff));
}

void appendChunkHeader(QByteArray& out, const char* id, quint32 size) {
    out.append(id, 4);
    appendLE(out, size, 4);
}

// RIFF header, an 18-byte "fmt " body, a "fact" chunk with the sample count, then the samples
// padded to an even length as RIFF chunks must be.
QByteArray waveFile(const QByteArray& samples) {
    QByteArray body("WAVE");
    appendChunkHeader(body, "fmt ", 18);
    appendLE(body, 1, 2);          // PCM
    appendLE(body, 1, 2);          // mono
    appendLE(body, sampleRate, 4); // samples per second
    appendLE(body, sampleRate, 4); // bytes per second
    appendLE(body, 1, 2);          // block align
    appendLE(body, 8, 2);          // bits per sample
    appendLE(body, 0, 2);          // no extra format bytes
    appendChunkHeader(body, "fact", 4);
    appendLE(body, samples.size(), 4);
    appendChunkHeader(body, "data", samples.size());
    body.append(samples);
    if (samples.size() % 2)
        body.append('\0');
    QByteArray file;
    appendChunkHeader(file, "RIFF", body.size());
    return file + body;
}

} // namespace

void writeChime(const QDir& out) {
    QFile file(out.filePath("145.wav"));
    if (!file.open(QIODevice::WriteOnly) || file.write(waveFile(unsignedBytes(chimeWave()))) < 0)
        throw std::runtime_error("cannot write " + file.fileName().toStdString());
}

} // namespace resgen
