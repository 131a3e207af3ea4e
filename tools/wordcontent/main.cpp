// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// torvex_wordcontent OUTDIR WORDLIST...: gives every word of the lists (Shift-JIS or UTF-8) its
// picture OUTDIR/bmp/<kanji>.bmp and its spoken reading OUTDIR/wav/<kanji>.wav, with the game's
// own code, so the starter words look and sound exactly like a word a parent adds. A word in
// several lists is made once.
#include "common/pcm_wave.h"
#include "platform/archive.h"
#include "platform/message_box.h"
#include "platform/sjis.h"
#include "platform/speech.h"
#include "rewards/word_picture.h"
#include "wordlist/word_files.h"
#include "wordlist/word_list.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <span>

namespace {

namespace fs = std::filesystem;

bool fail(const std::string& what) {
    std::fprintf(stderr, "torvex_wordcontent: %s\n", what.c_str());
    return false;
}

// A starter word without a picture or a voice would go silent and bare, and two words with the
// same emoji could not be told apart (their tints differ with their place), in one list or
// across them: either stops the build.
bool writePicture(int entry, const fs::path& file) {
    static std::map<std::string, fs::path> drawn; // by emoji
    const gfx::BitmapPtr picture = rewards::DrawnWordPicture(entry);
    if (!picture)
        return fail("no emoji for " + file.string() + " (add it to content/pictures.tsv)");
    const auto [other, isNew] =
        drawn.emplace(*rewards::WordEmoji(wordlist::theWordList[entry]), file);
    if (!isNew)
        return fail(file.string() + " has the emoji of " + other->second.string() +
                    " (choose another in content/pictures.tsv)");
    // RGB888 is the format Qt writes as 24 bits per pixel with no alpha.
    QImageWriter writer(QString::fromStdString(file.string()), "bmp");
    return writer.write(picture->convertToFormat(QImage::Format_RGB888)) ||
           fail("cannot write " + file.string());
}

int peak(std::span<const int> samples) {
    int peak = 0;
    for (const int s : samples)
        peak = std::max(peak, std::abs(s));
    return peak;
}

// The larger step from silence into the voice or out of it again: an unfaded edge clicks.
int edgeStep(std::span<const int> samples) {
    const auto sounding = [](int s) { return s != 0; };
    const auto first = std::ranges::find_if(samples, sounding);
    const auto last = std::find_if(samples.rbegin(), samples.rend(), sounding);
    return first == samples.end() ? 0 : std::max(std::abs(*first), std::abs(*last));
}

// What the game's sound service would hear wrong in a written voice: it must be 16-bit mono,
// 0.3 to 3 s long, its peak at -3 dBFS (0.708 of full scale), quiet at both ends and faded in
// from silence and out into it so nothing clicks.
std::optional<std::string> voiceFault(const std::string& image) {
    try {
        const pcm_wave::Sound voice = pcm_wave::read(image);
        const std::span<const int> samples = voice.samples;
        const double seconds = double(samples.size()) / voice.rate;
        if (voice.bits != 16 || voice.channels != 1 || seconds <= 0.3 || seconds >= 3.0)
            return "is not 16-bit mono of 0.3 to 3 s";
        if (std::abs(peak(samples) / 32768.0 - 0.708) > 0.02)
            return "does not peak at -3 dBFS";
        if (peak(samples.first(50)) >= 300 || peak(samples.last(50)) >= 300 ||
            edgeStep(samples) >= 100)
            return "does not fade in and out";
        return std::nullopt;
    } catch (const std::runtime_error& error) {
        return error.what();
    }
}

// A voice is checked before it is written; a faulty one leaves no file behind, so the next build
// speaks it again.
bool writeVoice(int entry, const fs::path& file) {
    const std::string wave = platform::waveImage(
        platform::speak(platform::sjisToUtf8Lossy(wordlist::theWordList[entry].reading)));
    if (wave.empty())
        return fail("no voice for " + file.string() + " (is espeak-ng-data installed?)");
    if (const auto fault = voiceFault(wave)) {
        std::error_code ignored;
        fs::remove(file, ignored);
        return fail(file.string() + " " + *fault);
    }
    std::ofstream out(file, std::ios::binary);
    return (out << wave && out.flush()) || fail("cannot write " + file.string());
}

bool writeWord(int entry, const fs::path& out) {
    static std::set<std::string> made;
    const std::string& kanji = wordlist::theWordList[entry].kanji;
    const auto picture = wordlist::wordFilePath("bmp", kanji, ".bmp");
    const auto voice = wordlist::wordFilePath("wav", kanji, ".wav");
    if (!picture || !voice)
        return fail("word " + std::to_string(entry) + " is empty or cannot name a file");
    if (!made.insert(kanji).second)
        return true;
    return writePicture(entry, out / *picture) && writeVoice(entry, out / *voice);
}

// Every starter list has all fifty words: an empty one has no name and stops the build, and so
// does anything the game would tell a parent about on opening it.
bool writeList(const char* list, const fs::path& out) {
    std::string told;
    platform::setMessageBoxHook([&](const std::string& text, const std::string&) { told = text; });
    std::ifstream in(list, std::ios::binary);
    platform::Archive archive = platform::Archive::loading(in);
    wordlist::LoadWordList(archive);
    if (!told.empty())
        return fail(std::string(list) + ": " + told);
    for (int entry = 1; entry <= wordlist::kWordCount; ++entry)
        if (!writeWord(entry, out))
            return fail(std::string("in ") + list);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: torvex_wordcontent OUTDIR WORDLIST...\n");
        return 2;
    }
    // Fonts need a GUI application; a build step never has a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const fs::path out(argv[1]);
    std::error_code error;
    fs::create_directories(out / "bmp", error);
    fs::create_directories(out / "wav", error);
    for (int list = 2; list < argc; ++list)
        if (!writeList(argv[list], out))
            return 1;
    return 0;
}
