// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Drawing surfaces. A surface is a record of drawing state (pen, font, text colour, background
// mode, current position) over a target image; every drawing call applies that state to the
// painter shared by all surfaces on the same image, so surfaces can nest freely.
#include "gfx/colour.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QImage;
class QPainter;

namespace gfx {

using BitmapPtr = std::shared_ptr<QImage>;

// A rectangle: left, top, width and height.
struct Box {
    int x = 0, y = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    // The smallest box holding both.
    Box united(const Box& other) const;
    bool operator==(const Box&) const = default;
};

struct Pen {
    enum class Style { Solid, Dotted };
    Style style = Style::Solid;
    int width = 1;
    Rgb colour = kBlack;
};

struct Font {
    std::string face;  // UTF-8 face name
    int pixelSize = 0; // 0: the system font
    bool bold = false;
    bool antialiased = true;
};

// A point font: tenths of a point at 96 dots per inch, requested as character height.
Font pointFont(int tenths, std::string_view faceUtf8);

class Surface {
  public:
    // No target yet: the window and backdrop surfaces give themselves theirs.
    Surface();
    explicit Surface(BitmapPtr target);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    Pen selectPen(const Pen& pen);
    Font selectFont(const Font& font);
    void setTextColour(Rgb colour) { textColour_ = colour; }
    void setTransparent(bool transparent) { transparent_ = transparent; }

    // Pixel-exact copy of a w x h rectangle of source at (sx, sy) to (x, y). Only what the
    // source covers is copied; an empty source copies nothing.
    void bitBlt(int x, int y, int w, int h, const Surface& source, int sx, int sy);
    // Nearest-neighbour scaled copy.
    void stretchBlt(int x, int y, int w, int h, const Surface& source, int sx, int sy, int sw,
                    int sh);
    // Fills left..right-1, top..bottom-1 with the window colour.
    void fillWithWindowColour(int left, int top, int right, int bottom);
    void fillBox(const Box& box, Rgb colour);
    // The colour of a pixel of the target; black outside it.
    Rgb pixel(int x, int y) const;
    // Every drawing call leaves the target outside `box` as it was, until the clip is cleared.
    void setClip(const Box& box) { clip_ = box; }
    void clearClip() { clip_.reset(); }

    void moveTo(int x, int y);
    void lineTo(int x, int y);
    // The part of the ellipse inside the box running counter-clockwise on screen from the ray
    // through the start point to the ray through the end point. The current position stays.
    void arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    // Text as Shift-JIS bytes, its cell's top-left corner at (x, y).
    void textOut(int x, int y, std::string_view sjis);

    int width() const;
    int height() const;
    const BitmapPtr& target() const { return target_; }

  protected:
    void retarget(BitmapPtr target);
    // A window surface reports every area it draws, so only those reach the screen.
    bool reportsDrawing_ = false;

  private:
    class Painting;
    Painting* painting();
    // The shared painter, set up for one drawing call in `mode` with this surface's clip.
    QPainter& painter(int compositionMode);
    void drawn(int x, int y, int w, int h) const;

    BitmapPtr target_;
    Painting* painting_ = nullptr;
    Pen pen_;
    Font font_;
    Rgb textColour_ = kBlack;
    bool transparent_ = false;
    int curX_ = 0;
    int curY_ = 0;
    std::optional<Box> clip_;
};

// The view window's surface, taken at the start of a handler and given back at its end; giving
// it back shows what was drawn.
class WindowSurface : public Surface {
  public:
    WindowSurface();
    ~WindowSurface();
    // Shows what was drawn so far at once, before the thread blocks.
    void showNow();
};

// The view's backdrop: what the board shows that does not move. Drawing on it shows nothing
// until the window is restored from it.
class BackdropSurface : public Surface {
  public:
    BackdropSurface();
    // Whether the view has made its backdrop yet (it does so for the first BackdropSurface).
    static bool made();
};

// Qt angles (sixteenths of a degree, counter-clockwise from 3 o'clock) for an arc given by
// start and end points round the centre of its box.
struct ArcAngles {
    int start16;
    int span16;
};
ArcAngles arcAnglesOf(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
                      int yEnd);

} // namespace gfx
