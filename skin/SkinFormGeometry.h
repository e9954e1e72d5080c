#pragma once
// Where the pieces of the skinned window frame lie for a window of a given
// size, and what part of the frame a point is over. Pure functions, so the
// frame's behaviour can be checked point by point.
#include "skin/SkinDefinitions.h"

#include <QSize>
#include <vector>

// Answers of the frame's hit-test; the values are the platform's codes.
enum TskHitCode : int {
    htClient = 1,
    htCaption = 2,
    htLeft = 10,
    htRight = 11,
    htTop = 12,
    htTopLeft = 13,
    htTopRight = 14,
    htBottom = 15,
    htBottomLeft = 16,
    htBottomRight = 17,
    htObject = 19,
};

// Frame geometry in window coordinates (right and bottom exclusive).
struct TskFrameGeometry {
    int W = 0, H = 0;
    int dx = 0, dy = 0;  // window size minus picture size
    TskPoint leftTop, rightTop, leftBottom, rightBottom;
    TskRect clientRect, captionRect, buttonsRect, maskArea;
    TskPoint hitLeftTop, hitRightTop, hitLeftBottom, hitRightBottom;
    int borderWidth = 0;
};

// Built-in frame used while no skin is loaded.
inline constexpr int kBuiltInBorder = 3;
inline constexpr int kBuiltInCaptionHeight = 19;

// The skin's frame (`info` cut from a picture of `picture` size) on a W x H window.
TskFrameGeometry SkinFrameGeometry(const TskFormInfo& info, QSize picture, int W, int H);
// The built-in frame on a W x H window.
TskFrameGeometry BuiltInFrameGeometry(int W, int H);

// Where a rect of the main picture lies on the window: moved or widened with
// the corner region(s) of the picture it falls in.
TskRect PlaceFrameRect(const TskFormInfo& info, QSize picture, const TskFrameGeometry& g, const TskRect& r);

inline bool RectContains(const TskRect& r, TskPoint p)
{
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

// What the frame's hit-test needs besides the geometry.
struct TskHitTestState {
    bool sizeable = false;
    bool maximized = false;
    bool minimized = false;
    bool rolledUp = false;
    bool overObject = false;  // some frame object has the mouse-over state
    bool inMoveSize = false;  // a move or size loop is running
    std::vector<TskRect> captions;  // rects of the caption objects
};

TskHitCode FrameHitTest(const TskFrameGeometry& g, const TskHitTestState& s, TskPoint p);
