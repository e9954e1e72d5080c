#include "grid/DgColumnClasses.h"

#include "grid/DgCellClasses.h"
#include "grid/DgCustomGrid.h"
#include "grid/DgDisplays.h"

// --- text -------------------------------------------------------------------

TDgTextColumn::TDgTextColumn(TDgColumns* columns) : TDgCustomColumn(columns)
{
    options_ = DefaultColumnOptions | coShowTextFitHint;
    SetDisplay(std::make_unique<TTextColumnDisplay>(this));
}

QString TDgTextColumn::GetDrawText(const TCellInfo& info) const
{
    const QString text = textBefore_ + info.AsString + textAfter_;
    if (!passwordChar_.isNull())
        return QString(text.size(), passwordChar_);
    return text;
}

void TDgTextColumn::SetMaxLength(int value)
{
    maxLength_ = value;
    Changed(TColumnChange::DataCells);
}

void TDgTextColumn::SetMultiLine(bool value)
{
    multiLine_ = value;
    Changed(TColumnChange::DataCells);
}

void TDgTextColumn::SetPasswordChar(QChar value)
{
    passwordChar_ = value;
    Changed(TColumnChange::DataCells);
}

void TDgTextColumn::SetTextBefore(const QString& value)
{
    textBefore_ = value;
    Changed(TColumnChange::DataCells);
}

void TDgTextColumn::SetTextAfter(const QString& value)
{
    textAfter_ = value;
    Changed(TColumnChange::DataCells);
}

// --- check box ----------------------------------------------------------------

TDgCheckBoxColumn::TDgCheckBoxColumn(TDgColumns* columns) : TDgCustomColumn(columns)
{
    sortType_ = stBoolean;
    SetDisplay(std::make_unique<TCheckBoxColumnDisplay>(this));
    SetPlay(std::make_unique<TCheckBoxColumnPlay>(this));
}

// --- image ----------------------------------------------------------------------

TDgImageColumn::TDgImageColumn(TDgColumns* columns) : TDgCustomColumn(columns)
{
    sortType_ = stNumeric;
    defaultValue_ = QStringLiteral("0");
    SetDisplay(std::make_unique<TImageColumnDisplay>(this));
}

void TDgImageColumn::SetImages(TImageList* value)
{
    images_ = value;
    Changed(TColumnChange::DataCells);
}

// --- check-box toggling -------------------------------------------------------------

void TCheckBoxColumnPlay::Click(TDgCustomGrid& grid, int col, int row, QPoint point)
{
    Toggle(grid, col, row, &point);
}

void TCheckBoxColumnPlay::Space(TDgCustomGrid& grid, int col, int row)
{
    Toggle(grid, col, row, nullptr);
}

void TCheckBoxColumnPlay::Toggle(TDgCustomGrid& grid, int col, int row, const QPoint* point)
{
    if (!(column_->Options() & coEditing) || grid.ReadOnly() || !column_->Enabled())
        return;
    TCells* store = grid.Store();
    if (!store || row < 0 || row >= store->RowCount())
        return;
    bool accept = true;
    if (grid.OnBeforeEdit)
        grid.OnBeforeEdit(&grid, col, row, accept);
    if (!accept)
        return;
    const bool value = store->Column(col).AsBoolean(row);
    // The click must land on the box (grown by a pixel); Space needs no aim.
    const auto& display = static_cast<const TCheckBoxColumnDisplay&>(column_->Display());
    if (!point || display.BoxRect(grid.CellRect(col, row).adjusted(-1, -1, 1, 1)).contains(*point)) {
        const bool next = !value;
        accept = true;
        if (grid.OnEditAccept)
            grid.OnEditAccept(&grid, col, row, DgConvert::BoolToStr(next), accept);
        if (accept) {
            TCell cell = store->Cell(col, row);
            cell.SetAsBoolean(next);
            if (grid.OnAfterEdit)
                grid.OnAfterEdit(&grid, col, row, cell.AsString());
        }
        auto* checkColumn = static_cast<TDgCheckBoxColumn*>(column_);
        if (checkColumn->OnChange)
            checkColumn->OnChange(checkColumn);
    }
}
