// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// torvex_icon SIZE OUT.png: the program's frog icon at SIZE by SIZE pixels for the desktop's icon
// theme. The pixel art is enlarged by a whole factor without smoothing, so it stays crisp.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPoint>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// The larger of the two drawn sizes that divides SIZE, or an empty image.
QImage iconArt(int size) {
    for (int drawn : {32, 16})
        if (size % drawn == 0)
            return QImage(QString(":/res/128-%1.png").arg(drawn));
    return {};
}

// The art is drawn on white; a desktop shows icons on its own background, so the white around
// the frog becomes transparent (white inside the outline stays).
void clearBackground(QImage& image) {
    const QRgb background = image.pixel(0, 0);
    std::vector<QPoint> pending{{0, 0}};
    while (!pending.empty()) {
        const QPoint point = pending.back();
        pending.pop_back();
        if (!image.rect().contains(point) || image.pixel(point) != background)
            continue;
        image.setPixel(point, qRgba(0, 0, 0, 0));
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            pending.push_back(point + step);
    }
}

} // namespace

int main(int argc, char** argv) {
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (size <= 0) {
        std::fprintf(stderr, "usage: torvex_icon SIZE OUT.png (SIZE a multiple of 16)\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QImage art = iconArt(size);
    if (art.isNull()) {
        std::fprintf(stderr, "torvex_icon: no icon art fits %d pixels\n", size);
        return 1;
    }
    QImage icon = art.convertToFormat(QImage::Format_ARGB32).scaled(size, size);
    clearBackground(icon);
    const QString out = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(QFileInfo(out).path()) || !icon.save(out, "png")) {
        std::fprintf(stderr, "torvex_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
