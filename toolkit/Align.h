#pragma once
// Docking of child controls to the edges of their parent's client area.
// A docked control keeps the dimension its edge needs (height for top and
// bottom, width for left and right) and follows the parent in the other;
// alClient takes what is left. Siblings docked to the same edge are stacked
// by position, the one nearer that edge first. Undocked controls stay where
// they were put, anchored to the parent's top-left corner.
#include <QRect>

class QWidget;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Docks `control` and realigns its parent now and whenever the parent, or a
// docked sibling's kept dimension, changes size.
void SetAlign(QWidget* control, TAlign align);
TAlign GetAlign(const QWidget* control);
// A hidden control is normally skipped; with this set it is laid out anyway
// (the pages of a page control keep their size while another page is shown).
void SetAlignWhenHidden(QWidget* control, bool v);

// While a lock is held, docking is recorded but nothing is laid out, so that
// a tree built control by control keeps the positions that order its docked
// siblings. Releasing the last lock lays out every parent docked meanwhile,
// parents before children.
class TAlignLock {
public:
    TAlignLock();
    ~TAlignLock();
    TAlignLock(const TAlignLock&) = delete;
    TAlignLock& operator=(const TAlignLock&) = delete;
};

// Lays out the docked children of `parent` inside its contentsRect().
void AlignControls(QWidget* parent);

// The rectangle left for alClient inside `parent` once every visible docked
// child but `except` has taken its edge (used by splitters to bound a drag).
QRect ClientAreaLeft(const QWidget* parent, const QWidget* except = nullptr);
