// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gfx/surface.h"

#include "gfx/text_fit.h"
#include "platform/sjis.h"
#include "platform/view.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>

namespace gfx {

// One painter per target image, shared by every surface drawing on it: Qt allows only one
// active painter on an image, and handlers nest surfaces on the same window.
class Surface::Painting {
  public:
    static Painting* acquire(QImage* image) {
        auto& entry = pool()[image];
        if (!entry)
            entry = std::make_unique<Painting>(image);
        ++entry->users_;
        return entry.get();
    }
    static void release(Painting* painting) {
        if (--painting->users_ == 0)
            pool().erase(painting->image_);
    }
    explicit Painting(QImage* image) : image_(image), painter(image) {}

  private:
    static std::map<QImage*, std::unique_ptr<Painting>>& pool() {
        static std::map<QImage*, std::unique_ptr<Painting>> painters;
        return painters;
    }
    QImage* image_;
    int users_ = 0;

  public:
    QPainter painter;
};

namespace {

QColor toQColor(Rgb c) {
    return QColor::fromRgb(c);
}

// A rectangle of board pixels as the device pixels of `image` it covers. Each edge maps on its
// own and every edge rounds the same way, so the mapping keeps order: a box holding others holds
// every device pixel they cover, and restoring the united box of a thing that moved leaves
// nothing of it behind at any ratio.
QRect devicePixels(const QImage& image, const QRect& board) {
    const double r = image.devicePixelRatio();
    const auto at = [r](int v) { return int(std::lround(v * r)); };
    const int left = at(board.x()), top = at(board.y());
    return {left, top, at(board.x() + board.width()) - left, at(board.y() + board.height()) - top};
}

QRect toQRect(const Box& box) {
    return {box.x, box.y, box.width, box.height};
}

// Draws in the device pixels of the target instead of board pixels: copies and fills that
// must be one to one. Qt takes the nearly identical transform for the identity.
void inDevicePixels(QPainter& p) {
    const double r = p.device()->devicePixelRatio();
    p.setTransform(QTransform::fromScale(1.0 / r, 1.0 / r));
}

// Nearest-neighbour from one image's device pixels to another's; one to one at equal sizes.
void copyPixels(QPainter& p, const QRect& to, const QImage& source, const QRect& from) {
    inDevicePixels(p);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRectF(to), source, QRectF(from));
    p.resetTransform();
}

QFont toQFont(const Font& font) {
    QFont f = font.face.empty() ? QFont() : QFont(QString::fromStdString(font.face));
    if (font.pixelSize > 0)
        f.setPixelSize(font.pixelSize);
    f.setBold(font.bold);
    f.setKerning(false);
    f.setStyleStrategy(font.antialiased ? QFont::PreferDefault : QFont::NoAntialias);
    return f;
}

// Text without antialiasing is drawn in transparent mode from a stamp made once per font,
// colour and text: the story lines are drawn over themselves on every pointer move, and shaping
// them again costs more than all the rest of the move. Every pixel of such text is either wholly
// drawn or not at all, so copying the stamp gives the very pixels drawing the text would.
struct TextStamp {
    QImage image;
    QPoint offset; // of the image's corner from the text's top-left corner
};

// Null for text wider than the target, which is drawn directly instead.
const TextStamp* stampFor(const QFont& font, Rgb colour, std::string_view sjis,
                          const QImage& target) {
    using Key = std::tuple<QString, Rgb, std::string, double>;
    static std::map<Key, TextStamp> stamps;
    constexpr std::size_t kMaxStamps = 32;
    const double ratio = target.devicePixelRatio();
    Key key{font.key(), colour, std::string(sjis), ratio};
    if (auto it = stamps.find(key); it != stamps.end())
        return &it->second;
    const QString text = QString::fromStdString(platform::sjisToUtf8Lossy(sjis));
    const QFontMetrics metrics(font, &target);
    const int advance = metrics.horizontalAdvance(text);
    if (advance > target.deviceIndependentSize().width())
        return nullptr;
    // Room for ink beyond the advance and the cell: overhangs of bold glyphs and hinting.
    const QRect box = metrics.boundingRect(text)
                          .united(QRect(0, -metrics.ascent(), advance, metrics.height()))
                          .adjusted(-4, -4, 4, 4);
    // Drawn at the target's resolution, so the stamp is copied to it one to one.
    QImage image(box.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(toQColor(colour));
    painter.drawText(-box.left(), -box.top(), text);
    painter.end();
    if (stamps.size() >= kMaxStamps)
        stamps.clear();
    const QPoint offset(box.left(), metrics.ascent() + box.top());
    return &stamps.emplace(std::move(key), TextStamp{std::move(image), offset}).first->second;
}

} // namespace

Box Box::united(const Box& other) const {
    if (empty())
        return other;
    if (other.empty())
        return *this;
    const int left = std::min(x, other.x), top = std::min(y, other.y);
    const int right = std::max(x + width, other.x + other.width);
    const int bottom = std::max(y + height, other.y + other.height);
    return {left, top, right - left, bottom - top};
}

Font pointFont(int tenths, std::string_view faceUtf8) {
    return Font{std::string(faceUtf8), tenths * 96 / 720, false, true};
}

Surface::Surface() = default;

Surface::Surface(BitmapPtr target) {
    retarget(std::move(target));
}

Surface::~Surface() {
    retarget(nullptr);
}

void Surface::retarget(BitmapPtr target) {
    if (painting_)
        Painting::release(painting_);
    painting_ = nullptr;
    target_ = std::move(target);
}

Surface::Painting* Surface::painting() {
    if (!painting_ && target_ && !target_->isNull())
        painting_ = Painting::acquire(target_.get());
    return painting_;
}

QPainter& Surface::painter(int compositionMode) {
    QPainter& p = painting_->painter;
    p.setCompositionMode(static_cast<QPainter::CompositionMode>(compositionMode));
    // The clip covers the very device pixels a copy of its box would, whatever is drawn in it.
    if (clip_) {
        inDevicePixels(p);
        p.setClipRect(devicePixels(*target_, toQRect(*clip_)));
        p.resetTransform();
    } else {
        p.setClipping(false);
    }
    return p;
}

void Surface::drawn(int x, int y, int w, int h) const {
    if (!reportsDrawing_)
        return;
    QRect area(x, y, w, h);
    if (clip_)
        area &= toQRect(*clip_);
    if (auto* view = platform::theView(); view && !area.isEmpty())
        view->addDrawn(area);
}

Pen Surface::selectPen(const Pen& pen) {
    return std::exchange(pen_, pen);
}

Font Surface::selectFont(const Font& font) {
    return std::exchange(font_, font);
}

int Surface::width() const {
    return target_ ? int(std::lround(target_->deviceIndependentSize().width())) : 0;
}

int Surface::height() const {
    return target_ ? int(std::lround(target_->deviceIndependentSize().height())) : 0;
}

void Surface::bitBlt(int x, int y, int w, int h, const Surface& source, int sx, int sy) {
    if (!source.target_ || !painting())
        return;
    // The clip is left to the painter: a copy cut by it keeps the device pixels of the whole
    // copy, so a thing drawn again in part matches the thing drawn whole.
    const QRect covered =
        QRect(sx, sy, w, h).intersected(QRect(0, 0, source.width(), source.height()));
    const QRect to = covered.translated(x - sx, y - sy);
    if (covered.isEmpty() || (clip_ && !to.intersects(toQRect(*clip_))))
        return;
    copyPixels(painter(QPainter::CompositionMode_Source), devicePixels(*target_, to),
               *source.target_, devicePixels(*source.target_, covered));
    drawn(to.x(), to.y(), to.width(), to.height());
}

void Surface::stretchBlt(int x, int y, int w, int h, const Surface& source, int sx, int sy, int sw,
                         int sh) {
    if (!source.target_ || !painting())
        return;
    copyPixels(painter(QPainter::CompositionMode_Source), devicePixels(*target_, QRect(x, y, w, h)),
               *source.target_, devicePixels(*source.target_, QRect(sx, sy, sw, sh)));
    drawn(x, y, w, h);
}

void Surface::fillWithWindowColour(int left, int top, int right, int bottom) {
    if (!painting() || right <= left || bottom <= top)
        return;
    fillBox({left, top, right - left, bottom - top}, kWindowColour);
}

void Surface::fillBox(const Box& box, Rgb colour) {
    if (!painting() || box.empty())
        return;
    QPainter& p = painter(QPainter::CompositionMode_Source);
    inDevicePixels(p);
    p.fillRect(devicePixels(*target_, toQRect(box)), toQColor(colour));
    p.resetTransform();
    drawn(box.x, box.y, box.width, box.height);
}

Rgb Surface::pixel(int x, int y) const {
    if (!target_)
        return kBlack;
    const QRect device = devicePixels(*target_, QRect(x, y, 1, 1));
    return target_->valid(device.topLeft()) ? target_->pixel(device.topLeft()) & 0xFFFFFF : kBlack;
}

void Surface::moveTo(int x, int y) {
    curX_ = x;
    curY_ = y;
}

namespace {

// The pixels `from` to `from + count - 1` steps along an axis-aligned line, as a rectangle.
QRect stepsAlong(const QLine& line, int from, int count) {
    const int dx = (line.dx() > 0) - (line.dx() < 0);
    const int dy = (line.dy() > 0) - (line.dy() < 0);
    const QPoint first = line.p1() + QPoint(dx, dy) * from;
    const QPoint last = line.p1() + QPoint(dx, dy) * (from + count - 1);
    return QRect(QPoint(std::min(first.x(), last.x()), std::min(first.y(), last.y())),
                 QPoint(std::max(first.x(), last.x()), std::max(first.y(), last.y())));
}

// A dotted line along an axis as runs of three pixels, three on and three off from its start,
// its end pixel left out; far quicker than a dashed pen for the board's grid.
void drawAxisDots(QPainter& p, const QLine& line, const QColor& colour, bool opaque) {
    const int length = std::max(std::abs(line.dx()), std::abs(line.dy()));
    if (length == 0)
        return;
    p.setCompositionMode(QPainter::CompositionMode_Source);
    if (opaque)
        p.fillRect(stepsAlong(line, 0, length), toQColor(kWindowColour));
    for (int i = 0; i < length; i += 6)
        p.fillRect(stepsAlong(line, i, std::min(3, length - i)), colour);
}

} // namespace

void Surface::lineTo(int x, int y) {
    if (painting()) {
        QPainter& p = painter(QPainter::CompositionMode_SourceOver);
        const QLine line(curX_, curY_, x, y);
        if (pen_.style == Pen::Style::Dotted && (line.dx() == 0 || line.dy() == 0)) {
            drawAxisDots(p, line, toQColor(pen_.colour), !transparent_);
        } else if (pen_.style == Pen::Style::Dotted) {
            // Three on, three off, restarting at each line; opaque mode paints the gaps.
            if (!transparent_) {
                p.setPen(QPen(toQColor(kWindowColour), 1, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(line);
            }
            QPen dots(toQColor(pen_.colour), 1, Qt::CustomDashLine, Qt::FlatCap);
            dots.setDashPattern({3, 3});
            p.setPen(dots);
            p.drawLine(line);
        } else {
            // A one-pixel line leaves out its end pixel; wide lines have round ends and joins.
            p.setPen(pen_.width <= 1 ? QPen(toQColor(pen_.colour), 1, Qt::SolidLine, Qt::FlatCap)
                                     : QPen(toQColor(pen_.colour), pen_.width, Qt::SolidLine,
                                            Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(line);
        }
        const int reach = pen_.width / 2 + 1;
        drawn(std::min(curX_, x) - reach, std::min(curY_, y) - reach,
              std::abs(line.dx()) + 2 * reach + 1, std::abs(line.dy()) + 2 * reach + 1);
    }
    moveTo(x, y);
}

ArcAngles arcAnglesOf(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                      int yEnd) {
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    // Screen y grows downwards; Qt's angles grow counter-clockwise as seen on screen.
    auto degrees = [&](int x, int y) {
        return std::atan2(cy - y, x - cx) * 180.0 / std::numbers::pi;
    };
    const double start = degrees(xStart, yStart);
    double span = degrees(xEnd, yEnd) - start;
    while (span <= 0.0)
        span += 360.0;
    return {static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16))};
}

void Surface::arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                  int yEnd) {
    if (!painting())
        return;
    const ArcAngles a = arcAnglesOf(left, top, right, bottom, xStart, yStart, xEnd, yEnd);
    QPainter& p = painter(QPainter::CompositionMode_SourceOver);
    p.setPen(QPen(toQColor(pen_.colour), pen_.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(left, top, right - left, bottom - top), a.start16, a.span16);
    const int reach = pen_.width / 2 + 1;
    drawn(left - reach, top - reach, right - left + 2 * reach, bottom - top + 2 * reach);
}

void Surface::textOut(int x, int y, std::string_view sjis) {
    if (sjis.empty() || !painting())
        return;
    const std::string_view visible = visiblePrefix(sjis, width() - x);
    QPainter& p = painter(QPainter::CompositionMode_SourceOver);
    const QFont font = toQFont(font_);
    if (transparent_ && !font_.antialiased) {
        if (const TextStamp* stamp = stampFor(font, textColour_, visible, *target_)) {
            const QPoint corner = QPoint(x, y) + stamp->offset;
            const QSize size = stamp->image.deviceIndependentSize().toSize();
            inDevicePixels(p);
            const QRectF to(devicePixels(*target_, QRect(corner, size)).topLeft(),
                            QSizeF(stamp->image.size()));
            p.drawImage(to, stamp->image, QRectF(stamp->image.rect()));
            p.resetTransform();
            drawn(corner.x(), corner.y(), size.width(), size.height());
            return;
        }
    }
    p.setFont(font);
    p.setPen(toQColor(textColour_));
    p.setBackgroundMode(transparent_ ? Qt::TransparentMode : Qt::OpaqueMode);
    p.setBackground(toQColor(kWindowColour));
    p.drawText(x, y + p.fontMetrics().ascent(),
               QString::fromStdString(platform::sjisToUtf8Lossy(visible)));
    // Overhangs of italic or bold glyphs reach a little beyond the cell.
    const int margin = p.fontMetrics().height() / 2;
    drawn(x - margin, y - margin, width() - x + 2 * margin, p.fontMetrics().height() + 2 * margin);
}

WindowSurface::WindowSurface() {
    reportsDrawing_ = true;
    if (auto* view = platform::theView())
        retarget(view->image());
}

WindowSurface::~WindowSurface() {
    retarget(nullptr);
    if (auto* view = platform::theView())
        view->showChanged();
}

BackdropSurface::BackdropSurface() {
    if (auto* view = platform::theView())
        retarget(view->backdrop());
}

bool BackdropSurface::made() {
    const auto* view = platform::theView();
    return view && view->hasBackdrop();
}

void WindowSurface::showNow() {
    if (auto* view = platform::theView())
        view->showNow();
}

} // namespace gfx
