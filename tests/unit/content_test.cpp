// The bundled content the build gathers beside the program (build/content): every starter word's
// picture and sound, found and loaded the way the game does, and the parents' help page.
#include "platform/archive.h"
#include "platform/paths.h"
#include "support/test_support.h"
#include "wordlist/word_list.h"

#include <QCoreApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The unit tests are built into build/tests; the content into build/content.
fs::path builtContent() {
    return fs::path(QCoreApplication::applicationDirPath().toStdString()).parent_path() / "content";
}

std::string fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The kanji of the bundled list, read by the game's own loader.
std::vector<std::string> starterKanji() {
    testing_support::resetProgramState();
    std::ifstream in(builtContent() / "words.txt", std::ios::binary);
    platform::Archive archive = platform::Archive::loading(in);
    LoadWordList(archive);
    std::vector<std::string> kanji;
    for (int k = 1; k <= kWordCount; ++k)
        if (!theWordList[k].kanji.empty())
            kanji.push_back(theWordList[k].kanji);
    testing_support::resetProgramState();
    return kanji;
}

// Where the game looks for a word's file, inside the built content folder.
fs::path wordFile(const std::string& kanji, const char* folder, const char* extension) {
    return builtContent() / platform::wordFilePath(folder, kanji, extension).value_or("?");
}

TEST(StarterContent, BuiltListIsTheBundledListOfFiftyWords) {
    const char* source = std::getenv("TORVEX_CONTENT");
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(fileBytes(builtContent() / "words.txt"), fileBytes(fs::path(source) / "words.txt"));
    EXPECT_EQ(starterKanji().size(), static_cast<size_t>(kWordCount));
}

// A picture counts as drawn when most of its middle differs from the background at its edge.
bool hasInkInTheMiddle(const QImage& picture) {
    const QRgb background = picture.pixel(30, 30);
    int ink = 0;
    for (int y = 100; y < 200; ++y)
        for (int x = 100; x < 200; ++x)
            ink += picture.pixel(x, y) != background;
    return ink > 2000;
}

TEST(StarterContent, EveryWordHasItsOwn300By300TrueColourPicture) {
    QSet<QByteArray> seen;
    for (const std::string& kanji : starterKanji()) {
        const fs::path path = wordFile(kanji, "bmp", ".bmp");
        SCOPED_TRACE(path.string());
        const std::string bytes = fileBytes(path);
        ASSERT_GT(bytes.size(), 30u);
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        EXPECT_EQ(static_cast<int>(bytes[28]), 24) << "bits per pixel";
        const QImage picture(QString::fromStdString(path.string()));
        ASSERT_EQ(picture.size(), QSize(300, 300));
        EXPECT_TRUE(hasInkInTheMiddle(picture));
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
        EXPECT_FALSE(seen.contains(QByteArray(reinterpret_cast<const char*>(rgb.constBits()),
                                              static_cast<qsizetype>(rgb.sizeInBytes()))))
            << "the same picture as another word";
        seen.insert(QByteArray(reinterpret_cast<const char*>(rgb.constBits()),
                               static_cast<qsizetype>(rgb.sizeInBytes())));
    }
}

struct LoadedWave {
    SDL_AudioSpec format{};
    std::span<const std::int16_t> samples;
    std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> buffer{nullptr, SDL_FreeWAV};
};

// Parsed by SDL, as the game's sound service does.
LoadedWave loadWave(const fs::path& path) {
    LoadedWave wave;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &wave.format, &data, &length)) {
        wave.buffer.reset(data);
        wave.samples = {reinterpret_cast<const std::int16_t*>(data), length / 2};
    }
    return wave;
}

int peakOf(std::span<const std::int16_t> samples) {
    int peak = 0;
    for (const std::int16_t sample : samples)
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    return peak;
}

TEST(StarterContent, EveryWordHasAShortNormalisedSpokenReading) {
    for (const std::string& kanji : starterKanji()) {
        const fs::path path = wordFile(kanji, "wav", ".wav");
        SCOPED_TRACE(path.string());
        const LoadedWave wave = loadWave(path);
        ASSERT_TRUE(wave.buffer) << SDL_GetError();
        EXPECT_EQ(wave.format.format, AUDIO_S16LSB);
        EXPECT_EQ(wave.format.channels, 1);
        EXPECT_TRUE(wave.format.freq == 22050 || wave.format.freq == 44100) << wave.format.freq;
        const double seconds = static_cast<double>(wave.samples.size()) / wave.format.freq;
        EXPECT_GT(seconds, 0.3);
        EXPECT_LT(seconds, 3.0);
        // Peak-normalised to -3 dBFS (0.708 of full scale); fades in and out without a click.
        EXPECT_NEAR(peakOf(wave.samples) / 32768.0, 0.708, 0.02);
        EXPECT_LT(peakOf(wave.samples.first(50)), 300);
        EXPECT_LT(peakOf(wave.samples.last(50)), 300);
    }
}

// Every attribute value of the form name="..." in the page.
QStringList attributeValues(const QString& page, const QString& name) {
    QStringList values;
    const QRegularExpression pattern(QString(R"re(\b%1="([^"]*)")re").arg(name));
    for (const auto& match : pattern.globalMatch(page))
        values.append(match.captured(1));
    return values;
}

TEST(HelpPage, EveryPictureAndEveryLinkOfThePageLeadsSomewhere) {
    const fs::path pagePath = builtContent() / "読んでね。.html";
    const QString page = QString::fromStdString(fileBytes(pagePath));
    ASSERT_FALSE(page.isEmpty()) << pagePath;
    const QStringList ids = attributeValues(page, "id");
    for (const QString& target : attributeValues(page, "src") + attributeValues(page, "href")) {
        SCOPED_TRACE(target.toStdString());
        if (target.startsWith('#'))
            EXPECT_TRUE(ids.contains(target.mid(1)));
        else
            EXPECT_TRUE(fs::is_regular_file(builtContent() / target.toStdString()));
    }
    EXPECT_FALSE(attributeValues(page, "src").isEmpty()) << "the page shows the frog";
}

} // namespace
