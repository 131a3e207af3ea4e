// The bundled content the build gathers beside the program (build/content): every starter word's
// picture and sound, found and loaded the way the game does, and the parents' help page.
#include "platform/archive.h"
#include "platform/paths.h"
#include "support/test_support.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <SDL.h>
#include <algorithm>
#include <fstream>

using testing_support::fileBytes;

namespace {

namespace fs = std::filesystem;

// The unit tests are built into build/tests; the content into build/content.
fs::path builtContent() {
    return fs::path(QCoreApplication::applicationDirPath().toStdString()).parent_path() / "content";
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

// Drawn: most of its middle differs from the background at its edge; and no two words alike.
TEST(StarterContent, EveryWordHasItsOwn300By300TrueColourPicture) {
    QSet<size_t> seen;
    for (const std::string& kanji : starterKanji()) {
        const fs::path path = wordFile(kanji, "bmp", ".bmp");
        SCOPED_TRACE(path.string());
        const std::string bytes = fileBytes(path);
        ASSERT_GT(bytes.size(), 30u);
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        EXPECT_EQ(static_cast<int>(bytes[28]), 24) << "bits per pixel";
        const QImage picture =
            QImage(QString::fromStdString(path.string())).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(picture.size(), QSize(300, 300));
        const QRgb background = picture.pixel(30, 30);
        EXPECT_GT(
            testing_support::countPixels(picture, {100, 100, 100, 100},
                                         [&](gfx::Rgb c) { return c != (background & 0xFFFFFF); }),
            2000);
        const size_t hash = qHashBits(picture.constBits(), size_t(picture.sizeInBytes()));
        EXPECT_FALSE(seen.contains(hash)) << "the same picture as another word";
        seen.insert(hash);
    }
}

// Parsed by SDL, as the game's sound service does: short, peak-normalised to -3 dBFS (0.708 of
// full scale), fading in and out without a click.
TEST(StarterContent, EveryWordHasAShortNormalisedSpokenReading) {
    for (const std::string& kanji : starterKanji()) {
        const fs::path path = wordFile(kanji, "wav", ".wav");
        SCOPED_TRACE(path.string());
        SDL_AudioSpec format{};
        Uint8* data = nullptr;
        Uint32 length = 0;
        ASSERT_TRUE(SDL_LoadWAV(path.c_str(), &format, &data, &length)) << SDL_GetError();
        const std::vector<int> samples(reinterpret_cast<const std::int16_t*>(data),
                                       reinterpret_cast<const std::int16_t*>(data) + length / 2);
        SDL_FreeWAV(data);
        EXPECT_EQ(format.format, AUDIO_S16LSB);
        EXPECT_EQ(format.channels, 1);
        EXPECT_TRUE(format.freq == 22050 || format.freq == 44100) << format.freq;
        const double seconds = static_cast<double>(samples.size()) / format.freq;
        EXPECT_GT(seconds, 0.3);
        EXPECT_LT(seconds, 3.0);
        const auto peak = [&](auto first, auto last) {
            return std::abs(*std::max_element(
                first, last, [](int a, int b) { return std::abs(a) < std::abs(b); }));
        };
        EXPECT_NEAR(peak(samples.begin(), samples.end()) / 32768.0, 0.708, 0.02);
        EXPECT_LT(peak(samples.begin(), samples.begin() + 50), 300);
        EXPECT_LT(peak(samples.end() - 50, samples.end()), 300);
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
    const QString page = QString::fromStdString(fileBytes(builtContent() / "読んでね。.html"));
    ASSERT_FALSE(page.isEmpty());
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
