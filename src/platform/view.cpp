// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/view.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sys/mman.h>
#include <utility>

namespace platform {
namespace {
View* currentView = nullptr;
constexpr QRgb kWindowColour = qRgb(255, 255, 255);
constexpr double kMinScale = 0.5;
// Four device pixels per board pixel make a 4K screen's board; more only costs memory.
constexpr double kMaxRatio = 4.0;
// Ratios are whole twentieths: a piece of 100 and a face of 40 board pixels then cover whole
// device pixels wherever they lie, so copying one is exact.
constexpr double kRatioSteps = 20.0;

QSize devicePixels(QSize size, double ratio) {
    return QSize(int(std::lround(size.width() * ratio)), int(std::lround(size.height() * ratio)))
        .expandedTo(QSize(1, 1));
}

constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
constexpr std::uintptr_t kPage = 4096;

std::uintptr_t roundUp(std::uintptr_t value, std::uintptr_t step) {
    return (value + step - 1) / step * step;
}

// The window image and the backdrop are the largest blocks the game writes whole. On huge pages
// the kernel maps them in a few steps instead of one page fault per 4 kB, which in a virtual
// machine costs some ten milliseconds of the first screen. Plain pages where there are no huge
// ones; the block is mapped exactly, so no huge page reaches past the image.
QImage windowSizedImage(QSize pixels) {
    const qsizetype bytesPerLine = qsizetype{pixels.width()} * 4;
    const std::uintptr_t bytes = roundUp(std::uintptr_t(bytesPerLine * pixels.height()), kPage);
    void* mapped = bytes >= kHugePage ? mmap(nullptr, bytes + kHugePage, PROT_READ | PROT_WRITE,
                                             MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                                      : MAP_FAILED;
    if (mapped == MAP_FAILED)
        return QImage(pixels, QImage::Format_RGB32);
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t block = roundUp(start, kHugePage);
    if (block > start) // nothing to trim when the mapping already starts on a huge page
        munmap(mapped, block - start);
    munmap(reinterpret_cast<void*>(block + bytes), start + kHugePage - block);
    madvise(reinterpret_cast<void*>(block), bytes, MADV_HUGEPAGE);
    madvise(reinterpret_cast<void*>(block), bytes, MADV_POPULATE_WRITE);
    struct Mapping {
        void* start;
        std::size_t bytes;
    };
    auto* mapping = new Mapping{reinterpret_cast<void*>(block), bytes};
    const auto unmap = [](void* info) {
        const auto* done = static_cast<Mapping*>(info);
        munmap(done->start, done->bytes);
        delete done;
    };
    return QImage(static_cast<uchar*>(mapping->start), pixels.width(), pixels.height(),
                  bytesPerLine, QImage::Format_RGB32, unmap, mapping);
}

QImage blankImage(QSize size, double ratio) {
    QImage image = windowSizedImage(devicePixels(size, ratio));
    image.setDevicePixelRatio(ratio);
    image.fill(kWindowColour);
    return image;
}

} // namespace

BoardFit fitBoardIn(QSize board, QSizeF widget, double devicePixelRatio) {
    const double dpr =
        std::isfinite(devicePixelRatio) ? std::clamp(devicePixelRatio, 1.0, kMaxRatio) : 1.0;
    const double fit = std::max(
        kMinScale, std::min(widget.width() / board.width(), widget.height() / board.height()));
    const double ratio =
        std::clamp(std::floor(fit * dpr * kRatioSteps + 1e-9) / kRatioSteps, 1.0, kMaxRatio);
    // Below one device pixel per board pixel the image keeps one and is shown reduced.
    return {fit * dpr < 1.0 ? fit : ratio / dpr, ratio};
}

double windowRatio() {
    return currentView ? currentView->ratio() : 1.0;
}

QImage imageLikeWindow(QSize size) {
    return blankImage(size, windowRatio());
}

void whenPlayBegins(std::function<void()> task) {
    if (currentView && currentView->isVisible() && !currentView->playBegun_)
        currentView->whenPlayBegins_.push_back(std::move(task));
    else
        task();
}

View* theView() {
    return currentView;
}

View::View(ViewHandler& handler, QWidget* parent)
    : QWidget(parent), handler_(handler),
      image_(std::make_shared<QImage>(blankImage({1, 1}, 1.0))) {
    // The game acts on every pointer move, with or without a button held.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    currentView = this;
}

View::~View() {
    if (currentView == this)
        currentView = nullptr;
    beginPlay();
}

// Posted to the application, which outlives every view.
void View::beginPlay() {
    playBegun_ = true;
    for (auto& task : std::exchange(whenPlayBegins_, {}))
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(task),
                                  Qt::QueuedConnection);
}

const std::shared_ptr<QImage>& View::backdrop() {
    if (!backdrop_)
        backdrop_ = std::make_shared<QImage>(blankImage(boardSize_, ratio()));
    return backdrop_;
}

void View::setBoardSize(QSize size) {
    boardSize_ = size.expandedTo(QSize(1, 1));
    // A window down to half the board's size still shows all of it.
    setMinimumSize((boardSize_ + QSize(1, 1)) / 2);
    fitBoard();
}

void View::fitBoard() {
    const BoardFit fit = fitBoardIn(boardSize_, size(), devicePixelRatioF());
    scale_ = fit.scale;
    if (image_->size() == devicePixels(boardSize_, fit.ratio) && ratio() == fit.ratio) {
        update();
        return;
    }
    // New images, which the game's draw fills again from its state at the new resolution;
    // surfaces still holding the old ones keep them alive.
    image_ = std::make_shared<QImage>(blankImage(boardSize_, fit.ratio));
    if (backdrop_)
        backdrop_ = std::make_shared<QImage>(blankImage(boardSize_, fit.ratio));
    handler_.resolutionChanged();
    requestPaint(true);
}

QRectF View::shownBoard() const {
    const double dpr = devicePixelRatioF();
    const QSizeF shown = QSizeF(image_->size()) * (scale_ / ratio());
    // Whole device pixels from the corner, so a one to one copy stays one to one.
    const auto margin = [dpr](double room) { return std::floor(room * dpr / 2) / dpr; };
    return {QPointF(margin(width() - shown.width()), margin(height() - shown.height())), shown};
}

QPoint View::toBoard(QPointF widgetPosition) const {
    const QPointF board = (widgetPosition - shownBoard().topLeft()) / scale_;
    return {int(std::floor(board.x())), int(std::floor(board.y()))};
}

QRegion View::toWidget(const QRegion& board) const {
    const QPointF origin = shownBoard().topLeft();
    QRegion widget;
    for (const QRect& area : board)
        widget += QRectF(origin + QPointF(area.topLeft()) * scale_, QSizeF(area.size()) * scale_)
                      .toAlignedRect();
    return widget;
}

// What was drawn stays noted until a paint has brought it to the screen, so showing it now
// also covers what an earlier handler asked to be shown later.
void View::showChanged() {
    if (!drawn_.isEmpty())
        update(toWidget(drawn_));
}

void View::showNow() {
    if (!drawn_.isEmpty())
        repaint(toWidget(drawn_));
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
        addDrawn(QRect(QPoint(), boardSize_));
    }
    handler_.paint();
}

void View::paintEvent(QPaintEvent* event) {
    paintPendingNow();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRectF board = shownBoard();
    // Image pixels per widget pixel: the device pixel ratio, unless the board is shown reduced.
    const double pixels = ratio() / scale_;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, pixels > devicePixelRatioF());
    for (const QRect& area : event->region()) {
        const QRectF shown = board & QRectF(area);
        for (const QRect& margin : QRegion(area) - QRegion(board.toAlignedRect()))
            painter.fillRect(margin, QColor::fromRgb(kWindowColour));
        if (!shown.isEmpty())
            painter.drawImage(
                shown, *image_,
                QRectF((shown.topLeft() - board.topLeft()) * pixels, shown.size() * pixels));
    }
    drawn_ = QRegion();
}

void View::resizeEvent(QResizeEvent*) {
    fitBoard();
}

void View::press(int x, int y) {
    handler_.move(x, y);
    handler_.press(x, y);
}

void View::pressAt(QPointF widgetPosition) {
    if (!playBegun_)
        beginPlay();
    const QPoint at = toBoard(widgetPosition);
    press(at.x(), at.y());
}

void View::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressAt(event->position());
}

// A quick second click is one more press: no click of a child is lost.
void View::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void View::moveAt(QPointF widgetPosition) {
    if (!playBegun_)
        beginPlay();
    const QPoint at = toBoard(widgetPosition);
    handler_.move(at.x(), at.y());
}

void View::mouseMoveEvent(QMouseEvent* event) {
    moveAt(event->position());
}

// A release comes after its move: the game sees the pointer where the button came up.
void View::releaseAt(QPointF widgetPosition) {
    const QPoint at = toBoard(widgetPosition);
    handler_.move(at.x(), at.y());
    handler_.release(at.x(), at.y());
}

void View::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        releaseAt(event->position());
}

bool View::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        touch(static_cast<const QTouchEvent&>(*event));
        return true;
    case QEvent::ScreenChangeInternal: // onto a screen of another device pixel ratio
        fitBoard();
        return QWidget::event(event);
    default:
        return QWidget::event(event);
    }
}

// A finger put down is a press where it lands, as a click is; a finger sliding is a pointer
// move, so a carried piece follows it; lifting it is a release.
void View::touch(const QTouchEvent& event) {
    for (const QEventPoint& finger : event.points()) {
        if (finger.state() == QEventPoint::Pressed)
            pressAt(finger.position());
        else if (finger.state() == QEventPoint::Updated)
            moveAt(finger.position());
        else if (finger.state() == QEventPoint::Released)
            releaseAt(finger.position());
    }
}

QTimer* View::timerFor(int id) {
    auto it = timers_.find(id);
    if (it != timers_.end())
        return it->second;
    auto* timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, id] { handler_.tick(id); });
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
