// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game driven by a long seeded stream of random events, as a child clicking everywhere, very
// fast, for a long time would drive it: presses, double clicks and moves in and around the
// board, drags, flight ticks, つぎへ and もどる, settings and list reloads.
// After every event the board's invariants must hold, the window showing exactly the backdrop
// and the moving things of the state; after warm-up the heap must stay flat.
// Halfway through the warm-up the board goes to a scale of 1.44, as a 1920 x 1080 screen shows it.
// TORVEX_SOAK_EVENTS sets the length (default 5,000), TORVEX_SOAK_SEED the seed (default 1).
#include "app/commands.h"
#include "platform/clock_random.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/sound.h"
#include "platform/window.h"
#include "rewards/reward_flight.h"
#include "rewards/reward_state.h"
#include "support/hardening_support.h"
#include "support/rewards_support.h"

#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <malloc.h>
#include <random>

using namespace app;
using namespace board;
using namespace rewards;
using namespace wordlist;

namespace {

using testing_support::RunningApp;

int environmentNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text ? std::atoi(text) : fallback;
}

// Words of one to four characters, a few with a picture of their own.
std::vector<std::vector<std::string>> fullList() {
    const char* characters[] = {"山", "川", "木", "火", "水", "金", "土", "日", "月", "花",
                                "鳥", "風", "林", "森", "海", "空", "雨", "雪", "石", "表"};
    std::vector<std::vector<std::string>> words;
    for (int k = 0; k < kWordCount; ++k) {
        std::string kanji;
        for (int c = 0; c <= k % 4; ++c)
            kanji += characters[(k * 7 + c * 3) % 20];
        words.push_back({kanji, "よみ" + std::to_string(k), "gloss " + std::to_string(k)});
    }
    return words;
}

// Each event by its weight in a thousand; a command event carries its command's id.
enum Kind { Move, Press, DoubleClick, Drag, Release, Tick, Command };
constexpr int kWeights[] = {420, 345, 20, 60, 20, 100, 35};
const int kCommands[] = {ID_NEXT_WORD,   ID_PREV_WORD,   ID_LEVEL_1,  ID_LEVEL_2,  ID_LEVEL_3,
                         ID_FONT_GOTHIC, ID_FONT_MINCHO, ID_FILE_NEW, ID_FILE_OPEN};

struct Event {
    Kind kind;
    int x = 0, y = 0;
};

// The random stream. Presses favour the places where something happens: pieces and their
// homes, the Next button, the reward figure and the faces.
class Child {
  public:
    explicit Child(std::uint32_t seed) : random_(seed) {}
    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }

    Event next() {
        // Most events during a flight are its ticks, so flights also end, and are cut short in
        // every phase, within the other events' reach.
        if (theRewards.idle == 0 && between(0, 9) < 8)
            return {Tick};
        int roll = between(0, 999), kind = 0;
        while (roll >= kWeights[kind])
            roll -= kWeights[kind++];
        const Event e = chosen(static_cast<Kind>(kind));
        if (kind <= Drag)
            last_ = {e.x, e.y};
        return e;
    }

  private:
    Event chosen(Kind kind) {
        const PuzzleState& s = thePuzzle;
        const auto near = [&](int x, int y, int reach) {
            return Event{kind, x + between(-reach, reach), y + between(-reach, reach)};
        };
        if (kind == Command)
            return {kind, kCommands[between(0, 8)]};
        if (kind == Move)
            return between(0, 1) ? near(last_.x(), last_.y(), 30) : near(472, 362, 532);
        if (kind == Release || kind == Tick)
            return near(472, 362, 532);
        if (s.selectedPiece > 0 && between(0, 3))
            return near(s.homeX[s.selectedCell][s.selectedPiece],
                        s.homeY[s.selectedCell][s.selectedPiece], 24);
        const int g = between(1, s.cellCount), j = between(1, kPiecesPerCell);
        const Event targets[] = {near(s.pieceX[g][j] + 50, s.pieceY[g][j] + 50, 45),
                                 near(800, 505, 110), near(890, 40, 45), near(105, 40, 30),
                                 near(472, 362, 532)};
        return targets[std::min(between(0, 6), 4)];
    }

    std::mt19937 random_;
    QPoint last_{500, 400};
};

class Soak : public ::testing::Test {
  protected:
    void SetUp() override {
        // Without a device the fallback sound is not waited for: a solve costs no half second.
        platform::closeAudio();
        // A clock a second on at each look: every set-up scatters anew, and the seed alone
        // decides the whole run.
        platform::setClock([t = std::time_t{1700000000}]() mutable { return t++; });
        folder.write("full.txt", testing_support::wordListBytes(fullList()));
        // A NUL, a byte that is no Shift-JIS, an over-long kanji and a 1,000-byte reading.
        folder.write("odd.txt", std::string("a\0b\n\xFF\n\r\n", 8) + platform::sjis("路面電車x") +
                                    "\n" + std::string(1000, 'r'));
        folder.write("bmp/山.bmp", hardening::bitmapFileBytes(300, 300, Qt::green));
        folder.write("bmp/川木.bmp", hardening::bitmapFileBytes(4096, 2, Qt::blue));
        platform::setMessageBoxHook([](const std::string&, const std::string&) {});
        platform::setFileDialogHook([this](platform::FileDialogKind, const std::string&) {
            return std::optional(folder.path() + (child.between(0, 15) ? "/full.txt" : "/odd.txt"));
        });
        platform::setSaveQuestionHook(
            [](const std::string&) { return platform::SaveAnswer::Discard; });
        ASSERT_TRUE(game.app().document().open(folder.path() + "/full.txt"));
        game.settle();
    }
    void TearDown() override { testing_support::failOnUnexpectedDialogs(); }

    void sendMouse(QEvent::Type type, const Event& e, Qt::MouseButton button) {
        const platform::View& view = game.view();
        const double scale = view.scale();
        const QPointF local = QPointF(std::floor((view.width() - 945 * scale) / 2),
                                      std::floor((view.height() - 724 * scale) / 2)) +
                              QPointF(e.x, e.y) * scale;
        QMouseEvent event(type, local, game.view().mapToGlobal(local), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton
                                                             : Qt::MouseButtons(button),
                          Qt::NoModifier);
        QApplication::sendEvent(&game.view(), &event);
    }

    // Runs one event as the platform would deliver it. A drag is pressed where the event lies,
    // moved with the button down and released some way off, or just beside the press.
    void run(const Event& e) {
        switch (e.kind) {
        case Move:
            return sendMouse(QEvent::MouseMove, e, Qt::NoButton);
        case Drag: {
            sendMouse(QEvent::MouseButtonPress, e, Qt::LeftButton);
            const int reach = child.between(0, 1) ? 3 : 150;
            Event at = e;
            for (int step = child.between(1, 4); step > 0; --step) {
                at = {Drag, e.x + child.between(-reach, reach), e.y + child.between(-reach, reach)};
                sendMouse(QEvent::MouseMove, at, Qt::NoButton);
            }
            return sendMouse(QEvent::MouseButtonRelease, at, Qt::LeftButton);
        }
        case Press:
        case DoubleClick:
            sendMouse(e.kind == Press ? QEvent::MouseButtonPress : QEvent::MouseButtonDblClick, e,
                      Qt::LeftButton);
            [[fallthrough]];
        case Release:
            return sendMouse(QEvent::MouseButtonRelease, e, Qt::LeftButton);
        case Tick:
            for (int id = 1; id <= 4; ++id)
                if (platform::viewTimerRunning(id))
                    return OnTimer(id);
            return;
        case Command:
            return game.app().frame().sendCommand(e.x);
        }
    }

    RunningApp game;
    rewards_support::ScratchFolder folder;
    const int seed = environmentNumber("TORVEX_SOAK_SEED", 1);
    Child child{static_cast<std::uint32_t>(seed)};
};

bool everyPieceHome() {
    const PuzzleState& s = thePuzzle;
    for (int g = 1; g <= s.cellCount; ++g)
        for (int j = 1; j <= kPiecesPerCell; ++j)
            if (s.pieceX[g][j] != s.homeX[g][j] || s.pieceY[g][j] != s.homeY[g][j])
                return false;
    return true;
}

// The first invariant broken, or nothing.
std::string brokenInvariant(RunningApp& game) {
    const PuzzleState& s = thePuzzle;
    int timers = 0;
    for (int id = 1; id <= 4; ++id)
        timers += platform::viewTimerRunning(id);
    if (s.selectedPiece > 0 && s.draggedFigure > 0)
        return "a piece and a face carried at once";
    if (s.cellCount != cellCountFor(theWordList[s.currentEntry].kanji.size(), s.difficulty))
        return "cellCount does not fit the word and the level on the board";
    if (timers > (theRewards.idle == 0 ? 1 : 0))
        return "a flight timer runs while idle, or two run";
    if (theRewards.clickable && theRewards.idle != 1)
        return "the reward figure is clickable during a flight";
    if (theRewards.idle == 1 && theRewards.flight.time != 0.0)
        return "flightTime is not 0 while no flight runs";
    if (s.listReloaded)
        return "a read list was not set up by the paint";
    if (s.scene == BoardScene::Puzzle && s.selectedPiece < 0 && s.solvedNow != everyPieceHome())
        return "solved, but not every piece is home; or every piece home and not solved";
    if (!game.showsItsState())
        return "the window is not the backdrop with the moving things on top";
    return {};
}

TEST_F(Soak, RandomPlayKeepsTheBoardsInvariantsAndItsMemoryFlat) {
    const int events = environmentNumber("TORVEX_SOAK_EVENTS", 5000);
    const int warmUp = std::max(events / 5, 1000);
    std::size_t heapAfterWarmUp = 0, heapPeak = 0;
    for (int i = 0; i < events; ++i) {
        if (i == warmUp / 2)
            game.app().frame().resize(1361,
                                      1043 + game.app().frame().menuBar()->sizeHint().height());
        run(child.next());
        game.settle();
        // The stream is the seed's alone: the event's number and the seed replay the failure.
        if (const std::string broken = brokenInvariant(game); !broken.empty())
            FAIL() << broken << " after event " << i << " of seed " << seed;
        const std::size_t heap = mallinfo2().uordblks + mallinfo2().hblkhd;
        heapAfterWarmUp = i == warmUp ? heap : heapAfterWarmUp;
        heapPeak = i > warmUp ? std::max(heapPeak, heap) : heapPeak;
    }
    std::printf("soak: %d events; heap after warm-up %zu, peak %zu bytes\n", events,
                heapAfterWarmUp, heapPeak);
    EXPECT_LT(heapPeak, heapAfterWarmUp + (4u << 20));
}

} // namespace
