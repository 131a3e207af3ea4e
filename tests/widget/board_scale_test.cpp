// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board shown scaled: the window image at the scale's device pixels, drawn at that
// resolution, pointer and touch positions mapped back to the board.
#include "support/play_support.h"

#include <QPointingDevice>

using namespace board;

namespace testing_support {
namespace {

constexpr gfx::Rgb kFrameBlue = gfx::rgb(0, 0, 180);
constexpr gfx::Rgb kGridRed = gfx::rgb(255, 0, 0);
constexpr gfx::Rgb kMagenta = gfx::rgb(255, 0, 255); // piece 1's texture at difficulty 1

class BoardScale : public PlayBoard {
  protected:
    // The window sized for the board at `scale` (1.44 is shown at 1.4, with margins).
    void resizeFor(double scale) {
        game.app().frame().resize(int(std::ceil(945 * scale)),
                                  int(std::ceil(724 * scale)) +
                                      game.app().frame().menuBar()->sizeHint().height());
        game.settle();
        s = game.view().scale();
        origin = {(game.view().width() - int(std::lround(945 * s))) / 2,
                  (game.view().height() - int(std::lround(724 * s))) / 2};
    }
    // The device pixel at the centre of board pixel (x, y).
    gfx::Rgb at(int x, int y) {
        return game.pixel(int(std::floor((x + 0.5) * s)), int(std::floor((y + 0.5) * s)));
    }
    QPoint onScreen(int x, int y) {
        return origin + QPoint(int(std::lround(x * s)), int(std::lround(y * s)));
    }
    QRect devicePixels(int x, int y, int w, int h) {
        const auto d = [this](int v) { return int(std::lround(v * s)); };
        return {d(x), d(y), d(w), d(h)};
    }
    // Carries piece j of cell 1 home, pressed a little off its middle and put down a little
    // off its home, by clicks or by taps.
    void carryHome(int j, bool taps) {
        const auto press = [&](int x, int y) {
            if (!taps)
                return QTest::mouseClick(&game.view(), Qt::LeftButton, {}, onScreen(x, y));
            QTest::touchEvent(&game.view(), touchScreen()).press(0, onScreen(x, y), &game.view());
            QTest::touchEvent(&game.view(), touchScreen()).release(0, onScreen(x, y), &game.view());
        };
        press(thePuzzle.pieceX[1][j] + 40, thePuzzle.pieceY[1][j] + 60);
        EXPECT_EQ(thePuzzle.selectedPiece, j);
        press(thePuzzle.homeX[1][j] + 43, thePuzzle.homeY[1][j] + 56); // held where it was taken
        EXPECT_EQ(thePuzzle.selectedPiece, -1);
        EXPECT_EQ(QPoint(thePuzzle.pieceX[1][j], thePuzzle.pieceY[1][j]),
                  QPoint(thePuzzle.homeX[1][j], thePuzzle.homeY[1][j]));
    }

    // The window surface where the view lies, as the paints since the last change left it,
    // against the view painted whole afresh: an area left out of an update shows a stale trail.
    bool screenShowsAFullPaint() {
        QWidget& view = game.view();
        QApplication::processEvents();
        const QPoint corner = view.mapTo(view.window(), QPoint());
        const QImage shown = view.screen()
                                 ->grabWindow(view.window()->winId(), corner.x(), corner.y(),
                                              view.width(), view.height())
                                 .toImage();
        const auto rgb = [](const QImage& i) { return i.convertToFormat(QImage::Format_RGB32); };
        return rgb(shown) == rgb(view.grab().toImage());
    }

    double s = 1;
    QPoint origin;
};

// A word set up once and shown at one scale after another: frame, grid and pieces snapped home
// by scaled clicks and taps lie where the scale puts them; the piece is the sheet copied one to
// one, and the kanji on it has sharp edges drawn at the device's resolution: neither pixel
// blocks of an enlarged image nor a blur.
TEST_F(BoardScale, TheBoardIsDrawnAtTheDevicePixelsOfEveryScale) {
    openList({{"山", "やま", "mountain"}});
    for (double scale : {1.0, 1.5, 2.0, 1.0}) {
        SCOPED_TRACE(scale);
        resizeFor(scale);
        ASSERT_EQ(s, scale);
        EXPECT_EQ(game.pixels().size(), QSize(std::lround(945 * s), std::lround(724 * s)));
        EXPECT_EQ(at(150, 130), kFrameBlue);
        EXPECT_EQ(at(150, 120), kWhite);
        EXPECT_EQ(at(197, 235), kGridRed);
        EXPECT_NE(at(200, 235), kGridRed); // a gap of the dots, over the home's tint
        carryHome(1, false);
        carryHome(3, scale < 2); // a touch past the offscreen screen's edge finds no window
        // Piece 4 carried to a new place at each scale leaves no trail on the screen.
        for (const QPoint p : {QPoint(thePuzzle.pieceX[1][4] + 50, thePuzzle.pieceY[1][4] + 50),
                               QPoint(int(300 + 200 * scale), 550)})
            QTest::mouseClick(&game.view(), Qt::LeftButton, {}, onScreen(p.x(), p.y()));
        EXPECT_TRUE(screenShowsAFullPaint());
        const QImage& sheet = *gfx::bitmapSlots()[gfx::kSheetSlot];
        EXPECT_EQ(sheet.size(), QSize(800, 200) * s);
        EXPECT_TRUE(game.shows(devicePixels(65, 135, 100, 100), sheet, {0, 0}));

        // Along each row of the piece: pixels between magenta and black (the edge's shading),
        // and neighbours that differ inside a pair of columns (impossible in 2 x 2 blocks).
        int edges = 0, shading = 0, oddSteps = 0;
        const QRect piece = devicePixels(65, 135, 100, 100);
        for (int y = piece.top(); y <= piece.bottom(); ++y) {
            for (int x = piece.left(); x < piece.right(); ++x) {
                const gfx::Rgb c = game.pixel(x, y), next = game.pixel(x + 1, y);
                shading += c != kMagenta && c != gfx::kBlack;
                edges += (c == kMagenta) != (next == kMagenta) && (next == kMagenta);
                oddSteps += c != next && (x - piece.left()) % 2 == 0;
            }
        }
        ASSERT_GT(edges, 0);
        EXPECT_LE(shading, 2 * edges + 2 * piece.height()) << "blurred";
        EXPECT_GT(oddSteps, 0) << "enlarged";
    }
}

// Scales are whole twentieths; below a half and past four device pixels per board pixel, and
// for absurd device pixel ratios, they are clamped.
TEST(BoardFit, ScalesFitTheWidgetInWholeTwentiethsWithinTheirBounds) {
    const struct {
        QSizeF widget;
        double dpr, scale, ratio;
    } rows[] = {{{945, 724}, 1, 1, 1},     {{1920, 1080}, 1, 1.45, 1.45},
                {{945, 724}, 2, 1, 2},     {{1920, 1080}, 2, 1.475, 2.95},
                {{100, 100}, 1, 0.5, 1},   {{800, 600}, 1, 600 / 724.0, 1},
                {{20000, 20000}, 1, 4, 4}, {{945, 724}, 100, 1, 4},
                {{945, 724}, 0.01, 1, 1}};
    for (const auto& row : rows) {
        const platform::BoardFit fit = platform::fitBoardIn({945, 724}, row.widget, row.dpr);
        EXPECT_DOUBLE_EQ(fit.scale, row.scale) << row.widget.width() << " " << row.dpr;
        EXPECT_DOUBLE_EQ(fit.ratio, row.ratio) << row.widget.width() << " " << row.dpr;
    }
}

} // namespace
} // namespace testing_support
