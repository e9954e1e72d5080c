#pragma once
// The three column kinds of the program: text, check box and image; and the
// check-box click handler.
#include "grid/DgColumns.h"

#include <QChar>
#include <QString>
#include <functional>

class TImageList;
class TDgCustomGrid;

class TDgTextColumn : public TDgCustomColumn {
public:
    explicit TDgTextColumn(TDgColumns* columns);

    int ColumnType() const override { return ctString; }
    QString GetDrawText(const TCellInfo& info) const override;
    bool IsMultiLine() const override { return multiLine_; }
    bool IsValidKey(QChar c) const override { return c.unicode() > 32; }
    bool HasEditor() const override { return true; }

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool value);
    QChar PasswordChar() const { return passwordChar_; }  // null: none
    void SetPasswordChar(QChar value);
    const QString& TextBefore() const { return textBefore_; }
    void SetTextBefore(const QString& value);
    const QString& TextAfter() const { return textAfter_; }
    void SetTextAfter(const QString& value);

private:
    int maxLength_ = 0;
    bool multiLine_ = false;
    QChar passwordChar_;
    QString textBefore_;
    QString textAfter_;
};

class TDgCheckBoxColumn : public TDgCustomColumn {
public:
    explicit TDgCheckBoxColumn(TDgColumns* columns);
    int ColumnType() const override { return ctBoolean; }

    // After every toggle attempt that got past OnBeforeEdit; Sender is the column.
    std::function<void(TDgCheckBoxColumn* Sender)> OnChange;
};

class TDgImageColumn : public TDgCustomColumn {
public:
    explicit TDgImageColumn(TDgColumns* columns);
    int ColumnType() const override { return ctInteger; }

    TImageList* Images() const { return images_; }
    void SetImages(TImageList* value);
    // Stored only: the list's own masks decide transparency.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { transparent_ = value; }

private:
    TImageList* images_ = nullptr;
    bool transparent_ = true;
};

// A column's handler of clicks and keys on its cells.
class TColumnPlay {
public:
    explicit TColumnPlay(TDgCustomColumn* column) : column_(column) {}
    virtual ~TColumnPlay() = default;
    // Left release at `point` over the cell (ACol, ARow) the press was on.
    virtual void Click(TDgCustomGrid& grid, int col, int row, QPoint point) = 0;
    // Space on the focused cell.
    virtual void Space(TDgCustomGrid& grid, int col, int row) = 0;

protected:
    TDgCustomColumn* column_;
};

// Toggles check-box cells of columns with coEditing.
class TCheckBoxColumnPlay : public TColumnPlay {
public:
    using TColumnPlay::TColumnPlay;
    void Click(TDgCustomGrid& grid, int col, int row, QPoint point) override;
    void Space(TDgCustomGrid& grid, int col, int row) override;

private:
    void Toggle(TDgCustomGrid& grid, int col, int row, const QPoint* point);
};
