// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// torvex_wordcontent WORDLIST OUTDIR: gives every word of a Shift-JIS list its picture
// OUTDIR/bmp/<kanji>.bmp and its spoken reading OUTDIR/wav/<kanji>.wav, with the game's own code,
// so the starter words look and sound exactly like a word a parent adds.
#include "platform/archive.h"
#include "platform/sjis.h"
#include "platform/speech.h"
#include "rewards/word_files.h"
#include "rewards/word_picture.h"
#include "wordlist/word_list.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

namespace fs = std::filesystem;

bool fail(const std::string& what) {
    std::fprintf(stderr, "torvex_wordcontent: %s\n", what.c_str());
    return false;
}

// A starter word without a picture or a voice would go silent and bare, and two words with the
// same picture could not be told apart: either stops the build.
bool writePicture(int entry, const fs::path& file) {
    static std::set<std::size_t> drawn;
    const gfx::BitmapPtr picture = DrawnWordPicture(entry);
    if (!picture)
        return fail("no emoji for " + file.string() + " (add it to content/pictures.tsv)");
    if (!drawn.insert(qHashBits(picture->constBits(), std::size_t(picture->sizeInBytes()))).second)
        return fail(file.string() + " is the picture of another word");
    // RGB888 is the format Qt writes as 24 bits per pixel with no alpha.
    QImageWriter writer(QString::fromStdString(file.string()), "bmp");
    return writer.write(picture->convertToFormat(QImage::Format_RGB888)) ||
           fail("cannot write " + file.string());
}

bool writeVoice(int entry, const fs::path& file) {
    const std::string wave =
        platform::waveImage(platform::speak(platform::sjisToUtf8Lossy(theWordList[entry].reading)));
    if (wave.empty())
        return fail("no voice for " + file.string() + " (is espeak-ng-data installed?)");
    std::ofstream out(file, std::ios::binary);
    return (out << wave && out.flush()) || fail("cannot write " + file.string());
}

bool writeWord(int entry, const fs::path& out) {
    const std::string& kanji = theWordList[entry].kanji;
    const auto picture = wordFilePath("bmp", kanji, ".bmp");
    const auto voice = wordFilePath("wav", kanji, ".wav");
    if (!picture || !voice)
        return fail("word " + std::to_string(entry) + " is empty or cannot name a file");
    return writePicture(entry, out / *picture) && writeVoice(entry, out / *voice);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: torvex_wordcontent WORDLIST OUTDIR\n");
        return 2;
    }
    // Fonts need a GUI application; a build step never has a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::ifstream in(argv[1], std::ios::binary);
    platform::Archive archive = platform::Archive::loading(in);
    LoadWordList(archive);
    const fs::path out(argv[2]);
    std::error_code error;
    fs::create_directories(out / "bmp", error);
    fs::create_directories(out / "wav", error);
    // The starter list has all fifty words: an empty one has no name and stops the build.
    for (int entry = 1; entry <= kWordCount; ++entry)
        if (!writeWord(entry, out))
            return 1;
    return 0;
}
