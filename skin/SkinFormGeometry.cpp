#include "skin/SkinFormGeometry.h"

#include <algorithm>

namespace {

TskPoint Moved(TskPoint p, int dx, int dy)
{
    return {p.X + dx, p.Y + dy};
}

TskRect Widened(TskRect r, int dx, int dy)
{
    r.Right += dx;
    r.Bottom += dy;
    return r;
}

TskRect Shifted(TskRect r, int dx, int dy)
{
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// A corner inside `region`, its edges included (rect corners are exclusive bounds).
bool CornerIn(int x, int y, const TskRect& region)
{
    return x >= region.Left && x <= region.Right && y >= region.Top && y <= region.Bottom;
}

bool LiesIn(const TskRect& r, const TskRect& region)
{
    return CornerIn(r.Left, r.Top, region) && CornerIn(r.Right, r.Bottom, region);
}

}  // namespace

TskFrameGeometry SkinFrameGeometry(const TskFormInfo& info, QSize picture, int W, int H)
{
    TskFrameGeometry g;
    g.W = W;
    g.H = H;
    g.dx = W - picture.width();
    g.dy = H - picture.height();
    g.leftTop = info.lefttoppoint;
    g.rightTop = Moved(info.righttoppoint, g.dx, 0);
    g.leftBottom = Moved(info.leftbottompoint, 0, g.dy);
    g.rightBottom = Moved(info.rightbottompoint, g.dx, g.dy);
    g.clientRect = Widened(info.clientrect, g.dx, g.dy);
    if (!info.captionrect.IsEmpty())
        g.captionRect = Widened(info.captionrect, g.dx, 0);
    g.buttonsRect = info.buttonsrect;
    if (!g.buttonsRect.IsEmpty() && g.buttonsRect.Left > picture.width() / 2)
        g.buttonsRect = Shifted(g.buttonsRect, g.dx, 0);
    g.hitLeftTop = info.hittestlefttoppoint;
    g.hitRightTop = Moved(info.hittestrighttoppoint, g.dx, 0);
    g.hitLeftBottom = Moved(info.hittestleftbottompoint, 0, g.dy);
    g.hitRightBottom = Moved(info.hittestrightbottompoint, g.dx, g.dy);
    g.maskArea = Widened(info.maskrectarea, g.dx, g.dy);
    g.borderWidth = info.borderwidth;
    return g;
}

TskFrameGeometry BuiltInFrameGeometry(int W, int H)
{
    constexpr int b = kBuiltInBorder;
    constexpr int top = b + kBuiltInCaptionHeight + b;
    TskFrameGeometry g;
    g.W = W;
    g.H = H;
    g.leftTop = {b, top};
    g.rightTop = {W - b, top};
    g.leftBottom = {b, H - b};
    g.rightBottom = {W - b, H - b};
    g.clientRect = {b, top, std::max(b, W - b), std::max(top, H - b)};
    g.captionRect = {b, b, W - b, b + kBuiltInCaptionHeight};
    g.hitLeftTop = {2 * b, 2 * b};
    g.hitRightTop = {W - 2 * b, 2 * b};
    g.hitLeftBottom = {2 * b, H - 2 * b};
    g.hitRightBottom = {W - 2 * b, H - 2 * b};
    g.borderWidth = b;
    return g;
}

TskRect PlaceFrameRect(const TskFormInfo& info, QSize picture, const TskFrameGeometry& g, const TskRect& r)
{
    const int pw = picture.width(), ph = picture.height();
    const TskRect tl{0, 0, info.lefttoppoint.X, info.lefttoppoint.Y};
    const TskRect tr{info.righttoppoint.X, 0, pw, info.righttoppoint.Y};
    const TskRect bl{0, info.leftbottompoint.Y, info.leftbottompoint.X, ph};
    const TskRect br{info.rightbottompoint.X, info.rightbottompoint.Y, pw, ph};
    const int dx = g.dx, dy = g.dy;
    if (LiesIn(r, tl))
        return r;
    if (LiesIn(r, tr))
        return Shifted(r, dx, 0);
    if (LiesIn(r, bl))
        return Shifted(r, 0, dy);
    if (LiesIn(r, br))
        return Shifted(r, dx, dy);
    const auto spans = [&](const TskRect& from, const TskRect& to) {
        return CornerIn(r.Left, r.Top, from) && CornerIn(r.Right, r.Bottom, to);
    };
    if (spans(tl, br))
        return Widened(r, dx, dy);
    if (spans(tl, tr))
        return Widened(r, dx, 0);
    if (spans(bl, br))
        return Shifted(Widened(r, dx, 0), 0, dy);
    if (spans(tl, bl))
        return Widened(r, 0, dy);
    if (spans(tr, br))
        return Widened(Shifted(r, dx, 0), 0, dy);
    return r;
}

namespace {

bool InAnyCaption(const TskHitTestState& s, TskPoint p)
{
    return std::any_of(s.captions.begin(), s.captions.end(),
                       [&](const TskRect& r) { return RectContains(r, p); });
}

TskHitCode InnerCode(const TskFrameGeometry& g, const TskHitTestState& s, TskPoint p)
{
    if (RectContains(g.clientRect, p))
        return htClient;
    return InAnyCaption(s, p) ? htCaption : htObject;
}

bool NearEdge(const TskFrameGeometry& g, TskPoint p)
{
    const int b = g.borderWidth;
    const TskRect window{0, 0, g.W, g.H};
    return !RectContains(window, {p.X - b, p.Y}) || !RectContains(window, {p.X, p.Y - b}) ||
           !RectContains(window, {p.X + b, p.Y}) || !RectContains(window, {p.X, p.Y + b});
}

// The sizing code of a point near the edge; htObject when it is none.
TskHitCode EdgeCode(const TskFrameGeometry& g, TskPoint p)
{
    const int x = p.X, y = p.Y;
    if (x <= g.hitLeftTop.X && y <= g.hitLeftTop.Y)
        return htTopLeft;
    if (x >= g.hitRightTop.X && y <= g.hitRightTop.Y)
        return htTopRight;
    if (x <= g.hitLeftBottom.X && y >= g.hitLeftBottom.Y)
        return htBottomLeft;
    if (x >= g.hitRightBottom.X && y >= g.hitRightBottom.Y)
        return htBottomRight;
    if (x > g.hitLeftTop.X && x < g.hitRightTop.X && y < g.clientRect.Top)
        return htTop;
    if (x > g.hitLeftBottom.X && x < g.hitRightBottom.X && y >= g.clientRect.Bottom)
        return htBottom;
    if (y > g.hitLeftTop.Y && y < g.hitLeftBottom.Y && x < g.clientRect.Left)
        return htLeft;
    if (y > g.hitRightTop.Y && y < g.hitRightBottom.Y && x >= g.clientRect.Right)
        return htRight;
    return htObject;
}

}  // namespace

TskHitCode FrameHitTest(const TskFrameGeometry& g, const TskHitTestState& s, TskPoint p)
{
    const bool shrunk = s.rolledUp || s.minimized;
    if (!shrunk && s.overObject && !s.inMoveSize && !InAnyCaption(s, p) && !RectContains(g.clientRect, p))
        return htObject;
    if (!s.maximized && s.sizeable) {
        if (!NearEdge(g, p))
            return InnerCode(g, s, p);
        const TskHitCode edge = EdgeCode(g, p);
        if (edge != htObject)
            return edge;
    }
    return InnerCode(g, s, p);
}
