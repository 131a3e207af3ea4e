// The game driven by a long seeded stream of random events, as a child clicking everywhere, very
// fast, for a long time would drive it: presses, double clicks and moves in and around the
// board, flight ticks, つぎへ and もどる, settings, list reloads and the editor's OK and cancel.
// After every event the board's invariants must hold, the window showing exactly the backdrop
// and the moving things of the state; after warm-up the heap must stay flat.
// TORVEX_SOAK_EVENTS sets the length (default 5,000), TORVEX_SOAK_SEED the seed (default 1).
#include "app/commands.h"
#include "board/puzzle_state.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "platform/sjis.h"
#include "platform/sound.h"
#include "platform/window.h"
#include "rewards/reward_flight.h"
#include "support/hardening_support.h"
#include "support/rewards_support.h"
#include "support/test_support.h"
#include "wordlist/word_list.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <random>
#include <sstream>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TORVEX_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(TORVEX_ADDRESS_SANITIZER)
#define TORVEX_ADDRESS_SANITIZER 1
#include <sanitizer/allocator_interface.h>
#else
#include <malloc.h>
#endif

namespace {

using testing_support::RunningApp;
using testing_support::wordListBytes;
using namespace std::string_literals;

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

enum class Kind { Move, Press, DoubleClick, Release, Tick, Navigate, Setting, Reload, Editor };
const char* const kKindNames[] = {"move",     "press",   "double click", "release", "tick",
                                  "navigate", "setting", "reload",       "editor"};

struct Event {
    Kind kind;
    int x = 0, y = 0; // or the command, or the editor's answer
};

// The random stream. Presses favour the places where something happens: pieces and their
// homes, the Next button, the reward figure and the faces.
class Child {
  public:
    explicit Child(std::uint32_t seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }

    Event next() {
        static constexpr std::array<std::pair<Kind, int>, 9> weights = {{{Kind::Move, 450},
                                                                         {Kind::Press, 350},
                                                                         {Kind::DoubleClick, 20},
                                                                         {Kind::Release, 20},
                                                                         {Kind::Tick, 100},
                                                                         {Kind::Navigate, 10},
                                                                         {Kind::Setting, 10},
                                                                         {Kind::Reload, 3},
                                                                         {Kind::Editor, 5}}};
        // Most events during a flight are its ticks, so flights also end, and are cut short in
        // every phase, within the other events' reach.
        if (thePuzzle.animationIdle == 0 && below(10) < 8)
            return {Kind::Tick};
        int roll = below(1000);
        for (const auto& [kind, weight] : weights) {
            if (roll < weight)
                return eventOf(kind);
            roll -= weight;
        }
        return eventOf(Kind::Move);
    }

  private:
    // Pointer events also leave the pointer where they went: half the moves stay near it.
    Event eventOf(Kind kind) {
        const Event e = chosen(kind);
        if (kind == Kind::Move || kind == Kind::Press || kind == Kind::DoubleClick) {
            lastX_ = e.x;
            lastY_ = e.y;
        }
        return e;
    }
    Event chosen(Kind kind) {
        switch (kind) {
        case Kind::Move:
            return below(2) ? Event{kind, lastX_ + between(-30, 30), lastY_ + between(-30, 30)}
                            : anywhere(kind);
        case Kind::Press:
        case Kind::DoubleClick:
            return pressTarget(kind);
        case Kind::Navigate:
            return {kind, below(2) ? ID_NEXT_WORD : ID_PREV_WORD};
        case Kind::Setting: {
            const int ids[] = {ID_LEVEL_1, ID_LEVEL_2, ID_LEVEL_3, ID_FONT_GOTHIC, ID_FONT_MINCHO};
            return {kind, ids[below(5)]};
        }
        case Kind::Reload:
            return {kind, below(4) ? ID_FILE_OPEN : ID_FILE_NEW};
        case Kind::Editor:
            return {kind, below(4)};
        default:
            return anywhere(kind);
        }
    }
    // In and around the board, partly outside the view as a held button's moves can be.
    Event anywhere(Kind kind) { return {kind, between(-60, 1005), between(-60, 784)}; }

    Event pressTarget(Kind kind) {
        const PuzzleState& s = thePuzzle;
        const auto near = [&](int x, int y, int reach) {
            return Event{kind, x + between(-reach, reach), y + between(-reach, reach)};
        };
        if (s.selectedPiece > 0 && below(4))
            return near(s.homeX[s.selectedCell][s.selectedPiece],
                        s.homeY[s.selectedCell][s.selectedPiece], 24);
        switch (below(10)) {
        case 0:
        case 1:
        case 2:
        case 3: {
            const auto [cell, piece] = pieceAwayFromHome();
            return near(s.pieceX[cell][piece] + 50, s.pieceY[cell][piece] + 50, 45);
        }
        case 4:
            return near(800, 505, 110);
        case 5:
            return near(890, 40, 45);
        case 6:
            return near(105, 40, 30);
        default:
            return anywhere(kind);
        }
    }

    // Mostly one that is not home yet, so words get solved.
    std::pair<int, int> pieceAwayFromHome() {
        const PuzzleState& s = thePuzzle;
        std::pair<int, int> chosen{1 + below(s.cellCount), 1 + below(kPiecesPerCell)};
        for (int tries = 0; tries < 8; ++tries) {
            const auto [g, j] = chosen;
            if (s.pieceX[g][j] != s.homeX[g][j] || s.pieceY[g][j] != s.homeY[g][j])
                break;
            chosen = {1 + below(s.cellCount), 1 + below(kPiecesPerCell)};
        }
        return chosen;
    }

    std::mt19937 random_;
    int lastX_ = 500, lastY_ = 400;
};

// Heap bytes in use: the sanitizer's own count in the sanitizer tree, the C library's otherwise.
std::size_t heapInUse() {
#ifdef TORVEX_ADDRESS_SANITIZER
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
#endif
}

class Soak : public ::testing::Test {
  protected:
    void SetUp() override {
        // Without a device the fallback sound is not waited for: a solve costs no half second.
        platform::closeAudio();
        for (const auto& [name, words] :
             {std::pair{"full.txt", fullList()},
              std::pair{"short.txt", std::vector<std::vector<std::string>>{{"山", "やま", "m"}}}})
            folder.write(name, wordListBytes(words));
        // A NUL, a byte that is no Shift-JIS, an over-long kanji and a 1,000-byte reading.
        folder.write("odd.txt", "a\0b\n\xFF\n\r\n"s + platform::sjis("路面電車x") + "\n" +
                                    std::string(1000, 'r') + "\ng\r\n");
        folder.write("bmp/山.bmp", hardening::bitmapFileBytes(300, 300, Qt::green));
        folder.write("bmp/川木.bmp", hardening::bitmapFileBytes(4096, 2, Qt::blue));
        platform::setMessageBoxHook([this](const std::string&, const std::string&) { ++messages; });
        platform::setFileDialogHook([this](platform::FileDialogKind, const std::string&) {
            const char* lists[] = {"full.txt", "full.txt", "short.txt", "odd.txt"};
            return std::optional(folder.path() + "/" + lists[child.below(4)]);
        });
        platform::setSaveQuestionHook(
            [](const std::string&) { return platform::SaveAnswer::Discard; });
        platform::setModalHook([this](QDialog& dialog) { return answerEditor(dialog); });
        thePuzzle.workingDirectory = folder.path();
        ASSERT_TRUE(game.app().document().open(folder.path() + "/full.txt"));
        game.settle();
    }
    void TearDown() override {
        platform::setMessageBoxHook({});
        platform::setFileDialogHook({});
        platform::setSaveQuestionHook({});
        platform::setModalHook({});
    }

    // Cancel, OK as it stands, OK with another word in some slot, or a bad number then cancel.
    int answerEditor(QDialog& dialog) {
        const auto edit = [&](const char* name) { return dialog.findChild<QLineEdit*>(name); };
        const auto press = [&](const char* name) { dialog.findChild<QPushButton*>(name)->click(); };
        const char* kanji[] = {"山", "川口", "路面電車", "火山島", "", "a"};
        switch (editorAnswer) {
        case 0:
            press("cancel");
            break;
        case 1:
            press("ok");
            break;
        case 2:
            edit("kanji")->setText(QString::fromUtf8(kanji[child.below(6)]));
            edit("number")->setText(QString::number(child.below(101)));
            press("ok");
            break;
        default:
            edit("number")->setText("x");
            press("ok");
            press("cancel");
        }
        return dialog.result();
    }

    void sendMouse(QEvent::Type type, int x, int y, Qt::MouseButton button) {
        const QPointF local(x, y);
        QMouseEvent event(type, local, game.view().mapToGlobal(local), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton
                                                             : Qt::MouseButtons(button),
                          Qt::NoModifier);
        QApplication::sendEvent(&game.view(), &event);
    }

    // Runs one event as the platform would deliver it; true when it counted the word's cells
    // afresh, with the difficulty of that moment.
    bool run(const Event& e) {
        const PuzzleState& s = thePuzzle;
        switch (e.kind) {
        case Kind::Move: {
            const bool setUp = s.repaintPending != 0;
            sendMouse(QEvent::MouseMove, e.x, e.y, Qt::NoButton);
            return setUp;
        }
        case Kind::Press:
        case Kind::DoubleClick: {
            const bool next = s.solvedNow && 700 < e.x && e.x < 900 && 475 < e.y && e.y < 535 &&
                              s.currentEntry < kWordCount;
            sendMouse(e.kind == Kind::Press ? QEvent::MouseButtonPress
                                            : QEvent::MouseButtonDblClick,
                      e.x, e.y, Qt::LeftButton);
            sendMouse(QEvent::MouseButtonRelease, e.x, e.y, Qt::LeftButton);
            return next;
        }
        case Kind::Release:
            sendMouse(QEvent::MouseButtonRelease, e.x, e.y, Qt::LeftButton);
            return false;
        case Kind::Tick:
            for (int id = 1; id <= 4; ++id)
                if (platform::viewTimerRunning(id)) {
                    OnTimer(id);
                    break;
                }
            return false;
        case Kind::Editor:
            editorAnswer = e.x;
            game.app().frame().sendCommand(ID_WORD_LIST);
            return true;
        default:
            game.app().frame().sendCommand(e.x);
            return e.kind != Kind::Reload || e.x == ID_FILE_OPEN;
        }
    }

    RunningApp game;
    rewards_support::ScratchFolder folder;
    Child child{static_cast<std::uint32_t>(environmentNumber("TORVEX_SOAK_SEED", 1))};
    int messages = 0;
    int editorAnswer = 0;
};

int runningFlightTimers() {
    int running = 0;
    for (int id = 1; id <= 4; ++id)
        running += platform::viewTimerRunning(id);
    return running;
}

bool oneOf(int value, std::initializer_list<int> allowed) {
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

bool everyPieceHome() {
    const PuzzleState& s = thePuzzle;
    for (int g = 1; g <= s.cellCount; ++g)
        for (int j = 1; j <= kPiecesPerCell; ++j)
            if (s.pieceX[g][j] != s.homeX[g][j] || s.pieceY[g][j] != s.homeY[g][j])
                return false;
    return true;
}

// The first invariant broken, or nothing.
std::string brokenInvariant(RunningApp& game, int countedDifficulty) {
    const PuzzleState& s = thePuzzle;
    if (s.selectedPiece > 0 && s.draggedFigure > 0)
        return "a piece and a face carried at once";
    if (!oneOf(s.selectedPiece, {-1, 1, 2, 3, 4}) || !oneOf(s.selectedCell, {1, 2, 3, 4}))
        return "selectedPiece or selectedCell out of range";
    if (!oneOf(s.draggedFigure, {-1, 1, 2}))
        return "draggedFigure out of range";
    if (s.currentEntry < 1 || s.currentEntry > kWordCount)
        return "currentEntry out of range";
    if (s.cellCount < 1 || s.cellCount > kMaxCells)
        return "cellCount out of range";
    if (s.cellCount != cellCountFor(theWordList[s.currentEntry].kanji.size(), countedDifficulty))
        return "cellCount does not fit the word and the difficulty it was counted with";
    if (runningFlightTimers() > (s.animationIdle == 0 ? 1 : 0))
        return "a flight timer runs while idle, or two run";
    if (s.rewardClickable && s.animationIdle != 1)
        return "the reward figure is clickable during a flight";
    if (s.animationIdle == 1 && s.flightTime != 0.0)
        return "flightTime is not 0 while no flight runs";
    if (s.listReloaded)
        return "a read list was not set up by the paint";
    if (s.scene == BoardScene::Puzzle && s.selectedPiece < 0 && s.solvedNow != everyPieceHome())
        return "solved, but not every piece is home; or every piece home and not solved";
    if (!game.showsItsState())
        return "the window is not the backdrop with the moving things on top";
    return {};
}

std::string describe(const std::deque<Event>& events) {
    std::ostringstream text;
    for (const Event& e : events)
        text << kKindNames[static_cast<int>(e.kind)] << " " << e.x << "," << e.y << "; ";
    return text.str();
}

long peakResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:"))
            return std::atol(line.c_str() + 6);
    return 0;
}

TEST_F(Soak, RandomPlayKeepsTheBoardsInvariantsAndItsMemoryFlat) {
    const int events = environmentNumber("TORVEX_SOAK_EVENTS", 5000);
    const int warmUp = std::max(events / 5, 1000);
    std::deque<Event> recent;
    int countedDifficulty = thePuzzle.difficulty;
    std::size_t heapAfterWarmUp = 0, heapPeak = 0;
    std::array<int, 9> counts{};
    int solves = 0, flights = 0, landings = 0;
    for (int i = 0; i < events; ++i) {
        const bool solvedBefore = thePuzzle.solvedNow, flyingBefore = !thePuzzle.animationIdle;
        const Event e = child.next();
        recent.push_back(e);
        if (recent.size() > 12)
            recent.pop_front();
        ++counts[static_cast<int>(e.kind)];
        if (run(e))
            countedDifficulty = thePuzzle.difficulty;
        game.settle();
        const std::string broken = brokenInvariant(game, countedDifficulty);
        ASSERT_EQ(broken, "") << "after event " << i << ": " << describe(recent);
        solves += !solvedBefore && thePuzzle.solvedNow;
        flights += !flyingBefore && !thePuzzle.animationIdle;
        landings += flyingBefore && thePuzzle.animationIdle && thePuzzle.repaintPending;
        if (i == warmUp)
            heapAfterWarmUp = heapInUse();
        if (i > warmUp)
            heapPeak = std::max(heapPeak, heapInUse());
    }
    const std::size_t heapAtEnd = heapInUse();
    std::printf("soak: %d events (", events);
    for (int k = 0; k < 9; ++k)
        std::printf("%s%s %d", k ? ", " : "", kKindNames[k], counts[k]);
    std::printf("), %d solves, %d flights (%d landed), %d messages; heap after warm-up %zu, peak "
                "%zu, at end %zu bytes; peak resident %ld kB\n",
                solves, flights, landings, messages, heapAfterWarmUp, heapPeak, heapAtEnd,
                peakResidentKilobytes());
    EXPECT_LT(heapPeak, heapAfterWarmUp + (4u << 20));
}

} // namespace
