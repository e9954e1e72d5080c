#pragma once
// A splitter docked between a sibling and the client area: dragging it
// resizes the sibling it touches, the alClient sibling takes the difference.
#include "toolkit/Align.h"

#include <QWidget>
#include <functional>

enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };

class TSplitter : public QWidget {
    Q_OBJECT
public:
    explicit TSplitter(QWidget* parent = nullptr);

    int MinSize() const { return minSize_; }
    void SetMinSize(int v) { minSize_ = std::max(1, v); }
    bool AutoSnap() const { return autoSnap_; }
    void SetAutoSnap(bool v) { autoSnap_ = v; }
    TResizeStyle ResizeStyle() const { return resizeStyle_; }
    void SetResizeStyle(TResizeStyle v) { resizeStyle_ = v; }

    // Docks the splitter and picks the matching cursor.
    void SetAlign(TAlign align);
    TAlign Align() const { return GetAlign(this); }

    // The sibling this splitter resizes: docked to the same edge and touching it.
    QWidget* ResizeControl() const;
    bool Dragging() const { return dragging_; }
    // Where the hatched line shows the splitter's new place during a drag
    // (parent coordinates; empty when none is shown).
    QRect DragLine() const;

    std::function<void(QObject* sender)> OnMoved;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

    bool Horizontal() const;  // docked top or bottom: the splitter is a horizontal bar

private:
    int SizeFor(QPoint parentPos) const;
    QRect LineFor(int size) const;
    void ShowPattern(int size);
    void HidePattern();
    void ApplySize(int size);

    int minSize_ = 30;
    bool autoSnap_ = true;
    TResizeStyle resizeStyle_ = rsPattern;

    bool dragging_ = false;
    QWidget* control_ = nullptr;
    QPoint downPos_;  // in parent coordinates
    int startSize_ = 0;
    int maxSize_ = 0;
    int newSize_ = 0;
    QWidget* pattern_ = nullptr;
};
