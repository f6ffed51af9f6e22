// XLHintLayout: the geometry and text rules of cell comments, as pure
// functions without widgets: the anchor a callout points at, where a note
// opens next to its cell, the eight handles of the note's hatched frame and
// what a point on the frame hits, what dragging a handle or the frame does
// to the note's bounds, and how the note's shown lines become the stored
// comment. All rectangles are in the body view's client coordinates.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// What a point of a note hits: the text (or nothing), the frame outside the
// handles (moves the note), or one of the handles (resizes it).
enum TXLHintHit : uint8_t {
    hhClient,
    hhMove,
    hhTopLeft,
    hhTopRight,
    hhBottomLeft,
    hhBottomRight,
    hhTop,
    hhBottom,
    hhLeft,
    hhRight,
};

// The width of the note's frame on every side, also the size of a handle.
inline constexpr int XLHintFrame = 7;
// A note is never lower than this, however short its text.
inline constexpr int XLHintMinHeight = 100;
// Added to the wrapped text's height: room for the frame and a blank line.
inline constexpr int XLHintExtraHeight = 21;
// The tooltip's top-left corner from the anchor.
inline constexpr QPoint XLHintTooltipOffset{14, -11};

// The point a cell's callout ends at: one pixel inside its top-right corner.
QPoint XLHintAnchor(const QRect& cell);

// The bounds of a note of the given width for a cell (its merged area
// included) whose comment wraps to textHeight pixels, in a view of the given
// client size: right of and a little above the anchor, else left of the
// cell when it would pass the right edge, and above the cell when it would
// pass the bottom.
QRect XLPlaceHintMemo(const QRect& cell, int width, int textHeight, const QSize& client);

// The eight handles of a note of the given size, in the order of TXLHintHit
// from hhTopLeft.
std::array<QRect, 8> XLHintHandles(const QSize& size);

// What a point (in the note's own coordinates) hits.
TXLHintHit XLHintHitTest(const QSize& size, const QPoint& p);

// The note's bounds after the mouse moved by delta since a press on hit,
// when the bounds were start at the press; resizing keeps at least minSize
// and moves only the sides the handle holds.
QRect XLHintDrag(TXLHintHit hit, const QRect& start, const QPoint& delta, const QSize& minSize);

// The comment stored from a note's lines as shown (each soft-wrapped line
// on its own): every line break a single line feed, carriage returns gone,
// blanks at the end of every line and of the text trimmed.
QString XLHintStoredText(const QStringList& lines);
