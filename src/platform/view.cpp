#include "platform/view.h"

#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace platform {
namespace {
View* currentView = nullptr;
constexpr QRgb kWindowColour = qRgb(255, 255, 255);
} // namespace

View* theView() {
    return currentView;
}

View::View(ViewHandler& handler, QWidget* parent)
    : QWidget(parent), handler_(handler),
      image_(std::make_shared<QImage>(1, 1, QImage::Format_RGB32)),
      backdrop_(std::make_shared<QImage>(1, 1, QImage::Format_RGB32)) {
    image_->fill(kWindowColour);
    backdrop_->fill(kWindowColour);
    // The game acts on every pointer move, with or without a button held.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    currentView = this;
}

View::~View() {
    if (currentView == this)
        currentView = nullptr;
}

// What was drawn stays noted until a paint has brought it to the screen, so showing it now
// also covers what an earlier handler asked to be shown later.
void View::showChanged() {
    if (!drawn_.isEmpty())
        update(drawn_);
}

void View::showNow() {
    if (!drawn_.isEmpty())
        repaint(drawn_);
}

void View::requestPaint(bool erase) {
    paintPending_ = true;
    erasePending_ = erasePending_ || erase;
    update();
}

void View::paintPendingNow() {
    if (paintPending_)
        runFrameworkPaint();
}

void View::runFrameworkPaint() {
    const bool erase = erasePending_;
    paintPending_ = false;
    erasePending_ = false;
    if (erase) {
        image_->fill(kWindowColour);
        addDrawn(image_->rect());
    }
    handler_.onDraw();
}

void View::paintEvent(QPaintEvent* event) {
    paintPendingNow();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& area : event->region())
        painter.drawImage(area, *image_, area);
    drawn_ = QRegion();
}

void View::resizeEvent(QResizeEvent*) {
    // New images of the new size, which the game's draw fills again from its state; surfaces
    // still holding the old ones keep them alive.
    const QSize size = this->size().expandedTo(QSize(1, 1));
    for (auto* image : {&image_, &backdrop_}) {
        *image = std::make_shared<QImage>(size, QImage::Format_RGB32);
        (*image)->fill(kWindowColour);
    }
    requestPaint(true);
}

void View::press(int x, int y) {
    handler_.onMouseMove(x, y);
    handler_.onLButtonDown(x, y);
}

void View::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        press(event->position().toPoint().x(), event->position().toPoint().y());
}

// A quick second click is one more press: no click of a child is lost.
void View::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void View::mouseMoveEvent(QMouseEvent* event) {
    handler_.onMouseMove(event->position().toPoint().x(), event->position().toPoint().y());
}

QTimer* View::timerFor(int id) {
    auto it = timers_.find(id);
    if (it != timers_.end())
        return it->second;
    auto* timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, id] { handler_.onTimer(id); });
    timers_.emplace(id, timer);
    return timer;
}

void View::setTimer(int id, int milliseconds) {
    timerFor(id)->start(milliseconds);
}

void View::stopTimer(int id) {
    if (auto it = timers_.find(id); it != timers_.end())
        it->second->stop();
}

bool View::timerRunning(int id) const {
    auto it = timers_.find(id);
    return it != timers_.end() && it->second->isActive();
}

int View::timerInterval(int id) const {
    auto it = timers_.find(id);
    return it != timers_.end() ? it->second->interval() : 0;
}

} // namespace platform
