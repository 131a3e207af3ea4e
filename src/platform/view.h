#pragma once
// The game board's window. It keeps two images the size of its client area: the window the
// handlers draw on, which a Qt paint only copies to the screen (covering and uncovering the
// window loses nothing), and the backdrop of everything on the board that does not move, which
// erasing a moving thing copies back.
#include <QImage>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>

namespace platform {

// What the game does with the window's messages.
class ViewHandler {
  public:
    virtual ~ViewHandler() = default;
    virtual void onDraw() = 0; // after the framework erased the window
    virtual void onLButtonDown(int x, int y) = 0;
    virtual void onMouseMove(int x, int y) = 0;
    virtual void onTimer(int id) = 0;
};

class View : public QWidget {
    Q_OBJECT
  public:
    explicit View(ViewHandler& handler, QWidget* parent = nullptr);
    ~View() override;

    const std::shared_ptr<QImage>& image() const { return image_; }
    const std::shared_ptr<QImage>& backdrop() const { return backdrop_; }

    // Notes a rectangle the handlers drew into the window; only such areas reach the screen.
    void addDrawn(const QRect& area) { drawn_ += area; }
    // Makes what the handlers drew visible at the next Qt paint.
    void showChanged();
    // Makes it visible now: used before the thread blocks (the synchronous sound).
    void showNow();
    // A press acts on what is shown: the game first sees a move to the press point, so a
    // pending set-up runs and a carried thing follows before the press is handled. Mouse
    // presses come here; so can taps.
    void press(int x, int y);
    // The framework's paint: erase to the window colour, then the game's draw, at the next
    // Qt paint. With erase false the game draws over what is there.
    void requestPaint(bool erase = true);
    // Runs a requested paint at once (tests and start-up use it instead of waiting for Qt).
    void paintPendingNow();

    // The window's timers: starting a running timer restarts it; stopping a stopped one does
    // nothing. Ticks arrive as onTimer(id).
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

  private:
    QTimer* timerFor(int id);
    void runFrameworkPaint();

    ViewHandler& handler_;
    std::shared_ptr<QImage> image_;
    std::map<int, QTimer*> timers_;
    bool paintPending_ = false;
    bool erasePending_ = false;
    std::shared_ptr<QImage> backdrop_;
    QRegion drawn_;
};

// The one view of the program, or nullptr before it exists.
View* theView();

} // namespace platform
