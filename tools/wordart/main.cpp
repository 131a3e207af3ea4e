// torvex_wordart TABLE OUTDIR: draws OUTDIR/<kanji>.bmp for every line of the picture table.
#include "picture_table.h"
#include "word_picture.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

namespace {

void drawAll(const QString& tablePath, const QDir& out) {
    wordart::requireEmojiFont();
    const auto entries = wordart::readPictureTable(tablePath);
    for (std::size_t i = 0; i < entries.size(); ++i)
        wordart::saveBmp(wordart::drawWordPicture(entries[i].emoji, static_cast<int>(i)),
                         out.filePath(entries[i].kanji + ".bmp"));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: torvex_wordart TABLE OUTDIR\n");
        return 2;
    }
    // Fonts need a GUI application; a build step never has a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "torvex_wordart: cannot create %s\n", argv[2]);
        return 1;
    }
    try {
        drawAll(QString::fromLocal8Bit(argv[1]), out);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "torvex_wordart: %s\n", error.what());
        return 1;
    }
    return 0;
}
