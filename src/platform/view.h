// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game board's window. It keeps two images of the board's fixed size: the window the
// handlers draw on, which a Qt paint only copies to the screen (covering and uncovering the
// window loses nothing), and the backdrop of everything on the board that does not move, which
// erasing a moving thing copies back. The board is shown at the largest scale that fits
// the widget, centred; the image holds that many device pixels per board pixel, so what the
// handlers draw is drawn at the screen's resolution and copied to it one to one.
#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QTouchEvent>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace platform {

// What the game does with the window's messages.
class ViewHandler {
  public:
    virtual ~ViewHandler() = default;
    virtual void paint() = 0; // after the framework erased the window
    virtual void press(int x, int y) = 0;
    virtual void move(int x, int y) = 0;
    // The left button released, or a finger lifted.
    virtual void release(int x, int y) = 0;
    virtual void tick(int id) = 0;
    // The window image was made again at another resolution; a framework paint follows.
    virtual void resolutionChanged() = 0;
};

// How a board is shown in a widget: `scale` widget pixels per board pixel, and the images hold
// `ratio` device pixels per board pixel. Scales under a half and absurd device pixel ratios
// are clamped.
struct BoardFit {
    double scale;
    double ratio;
};
BoardFit fitBoardIn(QSize board, QSizeF widget, double devicePixelRatio);

// Device pixels per board pixel of the window image (1 before there is a window).
double windowRatio();
// A blank image of `size` board pixels like the window image: its format and its device pixels
// per board pixel, so copies between the two stay one to one.
QImage imageLikeWindow(QSize size);

// Runs `task` from the event loop once the pointer or a finger first reaches the shown board, or
// at once when no board is shown or play has begun: for work the first screen does not need,
// kept from competing with it for memory and the processor.
void whenPlayBegins(std::function<void()> task);

class View : public QWidget {
    Q_OBJECT
  public:
    explicit View(ViewHandler& handler, QWidget* parent = nullptr);
    ~View() override;

    const std::shared_ptr<QImage>& image() const { return image_; }
    // The backdrop is made at its first use: until then the window image alone shows the board.
    const std::shared_ptr<QImage>& backdrop();
    bool hasBackdrop() const { return backdrop_ != nullptr; }
    // The board's size in board pixels; the image holds it at the shown scale.
    void setBoardSize(QSize size);
    QSize boardSize() const { return boardSize_; }
    // Board pixels to widget pixels; 1 at the default size.
    double scale() const { return scale_; }
    // Device pixels per board pixel of the window image and of every image drawn onto it.
    double ratio() const { return image_->devicePixelRatio(); }
    // A widget position as a board position.
    QPoint toBoard(QPointF widgetPosition) const;

    // Notes a rectangle of the board the handlers drew into the window; only such areas reach
    // the screen.
    void addDrawn(const QRect& area) { drawn_ += area; }
    // Makes what the handlers drew visible at the next Qt paint.
    void showChanged();
    // Makes it visible now: used before the thread blocks (the synchronous sound).
    void showNow();
    // A press acts on what is shown: the game first sees a move to the press point, so a
    // pending set-up runs and a carried thing follows before the press is handled. Mouse
    // presses and taps come here, in board coordinates.
    void press(int x, int y);
    // The framework's paint: erase to the window colour, then the game's draw, at the next
    // Qt paint. With erase false the game draws over what is there.
    void requestPaint(bool erase = true);
    // Runs a requested paint at once (tests and start-up use it instead of waiting for Qt).
    void paintPendingNow();

    // The window's timers: starting a running timer restarts it; stopping a stopped one does
    // nothing. Ticks arrive as tick(id).
    void setTimer(int id, int milliseconds);
    void stopTimer(int id);
    bool timerRunning(int id) const;
    int timerInterval(int id) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    QTimer* timerFor(int id);
    void runFrameworkPaint();
    void beginPlay();
    friend void whenPlayBegins(std::function<void()> task);
    // The scale and resolution that fit the widget; a new resolution makes the images again.
    void fitBoard();
    QRectF shownBoard() const;
    // The widget's pixels that show an area of the board.
    QRegion toWidget(const QRegion& board) const;
    // The one press, move and release of mouse and touch, at a widget position.
    void pressAt(QPointF widgetPosition);
    void moveAt(QPointF widgetPosition);
    void releaseAt(QPointF widgetPosition);
    void touch(const QTouchEvent& event);

    ViewHandler& handler_;
    std::shared_ptr<QImage> image_;
    std::shared_ptr<QImage> backdrop_;
    QSize boardSize_{1, 1};
    double scale_ = 1.0;
    std::map<int, QTimer*> timers_;
    bool paintPending_ = false;
    bool erasePending_ = false;
    QRegion drawn_;
    bool playBegun_ = false;
    std::vector<std::function<void()>> whenPlayBegins_;
};

// The one view of the program, or nullptr before it exists.
View* theView();

} // namespace platform
