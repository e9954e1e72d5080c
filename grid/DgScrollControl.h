#pragma once
// The scrolling base of the grid: a client area with its own horizontal and
// vertical scroll bars, the sunken client edge, the wheel and roll scrolling.
#include <QAbstractScrollArea>
#include <QPoint>
#include <functional>

class QScrollBar;
class QTimer;
class QWidget;

enum TBorderStyle : std::uint8_t { bsNone, bsSingle };

// One of the control's two scroll bars, counted in the control's own units
// (rows or pixels): Max, PageSize and Position as the platform bar keeps them.
class TDgScrollBar {
public:
    TDgScrollBar(QScrollBar* bar, bool autoHide);

    int Max() const { return max_; }
    int PageSize() const { return pageSize_; }
    int Position() const;
    int SmallChange() const { return smallChange_; }
    int LargeChange() const { return largeChange_; }
    // Largest position: Max - PageSize + 1, at least 0.
    int Limit() const;
    bool HasRange() const { return Limit() > 0; }
    bool AutoHide() const { return autoHide_; }
    void SetAutoHide(bool value);

    // Sets the range; the position is clamped.
    void SetParams(int max, int pageSize, int smallChange, int largeChange);
    // Clamps to 0..Limit and moves the bar (which moves the contents).
    void SetPosition(int value);
    QScrollBar* Bar() const { return bar_; }

private:
    void Apply();

    QScrollBar* bar_;
    bool autoHide_;
    int max_ = 0;
    int pageSize_ = 1;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

class TDgCustomScrollControl : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TDgCustomScrollControl(QWidget* parent = nullptr);
    ~TDgCustomScrollControl() override;

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    // A bar with nothing to scroll is hidden (true) or shown disabled (false).
    bool HideScrollBar() const { return hideScrollBar_; }
    void SetHideScrollBar(bool value);

    TDgScrollBar& HorzScrollBar() { return *horz_; }
    TDgScrollBar& VertScrollBar() { return *vert_; }
    const TDgScrollBar& HorzScrollBar() const { return *horz_; }
    const TDgScrollBar& VertScrollBar() const { return *vert_; }

    // Client size: inside the border and the shown scroll bars.
    int ClientWidth() const;
    int ClientHeight() const;

protected:
    // A bar's position changed (by the user or by SetPosition).
    virtual void HorzScrolled(int oldPos, int newPos) = 0;
    virtual void VertScrolled(int oldPos, int newPos) = 0;
    void scrollContentsBy(int dx, int dy) override;

private:
    std::unique_ptr<TDgScrollBar> horz_;
    std::unique_ptr<TDgScrollBar> vert_;
    TBorderStyle borderStyle_ = bsSingle;
    bool hideScrollBar_ = true;
};

// Adds the wheel switch and middle-button roll scrolling.
class TDgScrollControl : public TDgCustomScrollControl {
    Q_OBJECT
public:
    explicit TDgScrollControl(QWidget* parent = nullptr);
    ~TDgScrollControl() override;

    bool MouseWheelEnabled() const { return mouseWheelEnabled_; }
    void SetMouseWheelEnabled(bool value) { mouseWheelEnabled_ = value; }

    // Toolkit wheel events, asked first when MouseWheelEnabled is false; the
    // grid scrolls only when the handler sets Handled.
    std::function<void(QObject* Sender, Qt::KeyboardModifiers Shift, QPoint MousePos, bool& Handled)>
        OnMouseWheelDown;
    std::function<void(QObject* Sender, Qt::KeyboardModifiers Shift, QPoint MousePos, bool& Handled)>
        OnMouseWheelUp;

    bool Rolling() const { return rolling_; }

protected:
    // One wheel notch: down > 0 scrolls down/right, with Ctrl by a page.
    virtual void WheelNotch(bool down, bool page) = 0;
    // One roll tick: scroll one row up or down.
    virtual void RollStep(bool down) = 0;
    virtual bool EditorOpen() const { return false; }

    void wheelEvent(QWheelEvent* event) override;
    // Roll scrolling; called by the grid's mouse handlers with viewport points.
    void StartRoll(const QPoint& viewportPos);
    void RollMove(const QPoint& viewportPos);
    void StopRoll();

private:
    void RollTick();

    bool mouseWheelEnabled_ = true;
    QWidget* rollWindow_ = nullptr;
    QTimer* rollTimer_ = nullptr;
    bool rolling_ = false;
    QPoint rollOrigin_;
    int rollDy_ = 0;
    int wheelRemainder_ = 0;
};
