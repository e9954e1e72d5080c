#pragma once
// The grid control without its data operations: geometry, selection and
// painting (TDgCustomGridControl), then the published properties' input side,
// mouse, keyboard and hints (TDgCustomGrid).
#include "grid/DgCells.h"
#include "grid/DgColumns.h"
#include "grid/DgDisplays.h"
#include "grid/DgScrollControl.h"
#include "toolkit/Fonts.h"
#include "toolkit/Graphics.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <deque>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QLabel;
class QPainter;

enum TGridOption : std::uint32_t {
    goCanHideColumn = 1u << 0,
    goDisableColumnMoving = 1u << 1,
    goDisableKeys = 1u << 2,
    goEscClearEdit = 1u << 3,
    goFooter = 1u << 4,
    goGrid = 1u << 5,
    goHeader = 1u << 6,
    goIndicator = 1u << 7,
    goInput = 1u << 8,
    goLockFixedCols = 1u << 9,
    goMultiSelect = 1u << 10,
    goRowResizing = 1u << 11,
    goRowMoving = 1u << 12,
    goSecondClickEdit = 1u << 13,
    goSelectFullRow = 1u << 14,
    goUseDefaultValues = 1u << 15,
    goInplaceEditEvents = 1u << 16,
};
using TGridOptions = std::uint32_t;  // set of TGridOption bits

enum TAppearanceOption : std::uint32_t {
    ao3DGridLines = 1u << 0,
    aoAlphaBlendedSelection = 1u << 1,
    aoBoldTextSelection = 1u << 2,
    aoDontFillCells = 1u << 3,
    aoHideFocus = 1u << 4,
    aoHideSelection = 1u << 5,
    aoHighlightSlideCells = 1u << 6,
    aoHintMarks = 1u << 7,
    aoIndicateSelectedCell = 1u << 8,
    aoIndicateSortedColumn = 1u << 9,
};
using TAppearanceOptions = std::uint32_t;

enum TGridLinesStyle : std::uint8_t {
    lsNormal,
    lsActiveHorzOnly,
    lsActiveRows,
    lsFramed,
    lsHorizontalOnly,
    lsVerticalOnly
};
enum TGridStyle : std::uint8_t { gsReport, gsSlides };
enum THomeEndBehaviour : std::uint8_t { hebTopBottom, hebLeftRight };
enum TInputEnterMode : std::uint8_t { imAllways, imEditing };
enum TMoveDirection : std::uint8_t { mdNone, mdUp, mdDown, mdLeft, mdRight };
enum TSortedStyle : std::uint8_t { soDefault, soDarker, soWhite };
enum TSlidesOption : std::uint32_t { soFrame = 1u << 0, soHideSelection = 1u << 1 };
using TSlidesOptions = std::uint32_t;

// Pixel size of the indicator column.
inline constexpr int IndicatorWidth = 12;

// Grid-line widths around a cell.
struct TGridLineWidths {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// Geometry, selection state, properties and painting; independent of the
// kind of data store.
class TDgCustomGridControl : public TDgScrollControl, protected TDgColumnsOwner {
    Q_OBJECT
public:
    explicit TDgCustomGridControl(QWidget* parent = nullptr);
    ~TDgCustomGridControl() override;

    TDgColumns& Columns() { return columns_; }
    const TDgColumns& Columns() const { return columns_; }

    // --- properties -----------------------------------------------------
    TAppearanceOptions AppearanceOptions() const { return appearance_; }
    void SetAppearanceOptions(TAppearanceOptions value);
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool value) { autoScroll_ = value; }
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& value);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool EnableVisualStyles() const { return enableVisualStyles_; }
    void SetEnableVisualStyles(bool value);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int value);
    const TFontDesc& Font() const { return font_; }
    void SetFont(const TFontDesc& value);
    int FooterSize() const { return footerSize_; }
    void SetFooterSize(int value);
    TColor GridLinesColor() const { return gridLinesColor_; }
    void SetGridLinesColor(TColor value);
    TGridLinesStyle GridLinesStyle() const { return gridLinesStyle_; }
    void SetGridLinesStyle(TGridLinesStyle value);
    TGridStyle GridStyle() const { return gridStyle_; }
    void SetGridStyle(TGridStyle value) { gridStyle_ = value; }
    int HeaderSize() const { return headerSize_; }
    void SetHeaderSize(int value);
    THeaderStyle HeaderStyle() const { return headerStyle_; }
    void SetHeaderStyle(THeaderStyle value);
    TColor HighlightedTextColor() const { return highlightedTextColor_; }
    void SetHighlightedTextColor(TColor value);
    THomeEndBehaviour HomeEndBehaviour() const { return homeEnd_; }
    void SetHomeEndBehaviour(THomeEndBehaviour value) { homeEnd_ = value; }
    TColor InactiveSelectionColor() const { return inactiveSelectionColor_; }
    void SetInactiveSelectionColor(TColor value);
    TInputEnterMode InputEnterMode() const { return inputEnterMode_; }
    void SetInputEnterMode(TInputEnterMode value) { inputEnterMode_ = value; }
    int InputSize() const { return inputSize_; }
    void SetInputSize(int value);
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions value);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    int RowSize() const { return rowSize_; }
    void SetRowSize(int value);
    TColor SelectionColor() const { return selectionColor_; }
    void SetSelectionColor(TColor value);
    TMoveDirection SelectionMoveDirection() const { return moveDirection_; }
    void SetSelectionMoveDirection(TMoveDirection value) { moveDirection_ = value; }
    TSlidesOptions SlidesOptions() const { return slidesOptions_; }
    void SetSlidesOptions(TSlidesOptions value) { slidesOptions_ = value; }
    TColor SlideSelectionColor() const { return slideSelectionColor_; }
    void SetSlideSelectionColor(TColor value) { slideSelectionColor_ = value; }
    int SlideSize() const { return slideSize_; }
    void SetSlideSize(int value) { slideSize_ = value; }
    TSortedStyle SortedStyle() const { return sortedStyle_; }
    void SetSortedStyle(TSortedStyle value);
    QString Version() const { return QStringLiteral("5.2"); }
    void SetVersion(const QString&) {}  // read-only: always "5.2"
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool value) { wantReturns_ = value; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }

    // --- state ----------------------------------------------------------
    int SelectedColumn() const { return selectedColumn_; }
    int SelectedRow() const { return selectedRow_; }
    int FirstVisibleRow() const { return firstVisibleRow_; }
    int FirstShownRow() const { return firstShownRow_; }
    int LastShownRow() const { return lastShownRow_; }
    // The column last sorted by, nullptr for none.
    TDgCustomColumn* SortedColumn() const { return sortedColumn_; }
    int UpdateCount() const { return updateCount_; }
    int RowCount() const;
    // The canvas while a paint is under way (for OnDrawCellBackground,
    // OnCustomDrawCell and OnPostDraw), else nullptr.
    QPainter* Canvas() const { return canvas_; }

    // --- geometry (client = viewport coordinates) -------------------------
    TGridLineWidths GridLineWidths() const { return lines_; }
    // Data area: below the header, right of the indicator.
    QRect DataRect() const;
    int DataLeft() const;
    int DataTop() const;
    int DataBottom() const;
    int HorzScroll() const;
    int RowTop(int row) const;
    int RowHeight(int row) const;
    QRect CellRect(int col, int row) const;
    QRect HeaderRect(int col) const;
    // Column index under client x, -1 for none.
    int ColumnAt(int x) const;
    // Row index under client y inside the data area, -1 for none.
    int RowAt(int y) const;
    // Number of shown rows that fit completely from FirstVisibleRow.
    int FullyVisibleRows() const;

    // --- repainting -----------------------------------------------------
    void InvalidateCell(int col, int row);
    void InvalidateRow(int row);
    void InvalidateColumn(int col);
    void InvalidateHeader(int col);
    void InvalidateData();
    void InvalidateGrid();

    // --- painting events (Sender is the grid) ------------------------------
    std::function<void(QObject* Sender, int ACol, int ARow, TColor& CellColor, TColor& GridColor,
                       TCellState CellState)>
        OnCellColoring;
    std::function<void(QObject* Sender, int ACol, int ARow, TColor& TextColor,
                       TFontStyles& FontStyle, TCellState CellState)>
        OnCellFormating;
    std::function<void(QObject* Sender, int ACol, int ARow, QRect CellRect, TCellState CellState,
                       bool& DefaultDrawing)>
        OnDrawCellBackground;
    std::function<void(QObject* Sender, int ACol, int ARow, QRect CellRect, TCellState CellState)>
        OnCustomDrawCell;
    std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)> OnCellHint;
    std::function<void(QObject* Sender)> OnPostDraw;
    std::function<void(QObject* Sender, int ACol)> OnColumnResize;
    std::function<void(QObject* Sender, int ACol, int FromPos, int ToPos)> OnColumnMove;
    std::function<void(QObject* Sender, int ACol, int ARow)> OnDeselectCell;
    std::function<void(QObject* Sender, int ACol, int ARow)> OnSelectCell;
    std::function<void(QObject* Sender, int ACol, int ARow, bool& Accept)> OnBeforeSelect;
    std::function<void(QObject* Sender, int Position)> OnHorizontalScroll;
    std::function<void(QObject* Sender, int Position)> OnVerticalScroll;

    // The selection procedure used by clicks, keys and sorting.
    void SelectCell(int col, int row, Qt::KeyboardModifiers shift = {});
    // Scrolls so that `row` is fully visible.
    void ScrollRowIntoView(int row);
    void ScrollColumnIntoView(int col);
    // Redistributes the automatic widths (coAutoSize) from `start` (nullptr:
    // all columns); `includeStart` recomputes the start column's own width.
    void DistributeAutoWidths(const TDgCustomColumn* start = nullptr, bool includeStart = false);
    // Recomputes the vertical and horizontal scroll bars.
    void UpdateVertScrollBar();
    void UpdateHorzScrollBar();
    // Style display of the current HeaderStyle.
    const TStyleDisplay& StyleDisplay() const { return *displays_[headerStyle_]; }
    // The hint text of a cell after OnCellHint.
    QString CellHintText(int col, int row);
    // True when cells show as selected right now.
    bool ShowsFocus() const;

protected:
    // TDgColumnsOwner
    void ColumnChanged(TDgCustomColumn* column, TColumnChange change, std::uint32_t oldValue) override;
    void ColumnInserted(TDgCustomColumn* column) override;
    void ColumnRemoved(int index) override;
    TFontDesc GridFont() const override { return font_; }

    void HorzScrolled(int oldPos, int newPos) override;
    void VertScrolled(int oldPos, int newPos) override;
    void WheelNotch(bool down, bool page) override;
    void RollStep(bool down) override;

    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // Row store access; the data grid supplies it.
    TCells* store_ = nullptr;
    bool IsShown(int row) const;
    int NextShown(int row) const;  // first shown row after `row`, -1 for none
    int PrevShown(int row) const;
    int FirstShown() const;
    int LastShown() const;
    void RecomputeShownBounds();
    // Moves FirstVisibleRow to `row` and updates the scroll bar position.
    void SetFirstVisibleRow(int row);
    void RecalcColumns();
    void RecalcGridLines();
    bool IsCellSelected(int col, int row) const;
    // Automatic widths wait for the first client width.
    bool Loading() const { return !gotClientWidth_; }

    void PaintGrid(QPainter& painter, const QRect& clip);
    void PaintRows(QPainter& painter, const QRect& clip);
    // `top` is the row's top, known to the rows pass.
    void PaintCell(QPainter& painter, const QRect& clip, TDgCustomColumn* column, int row, int top);
    void PaintEmptyCell(QPainter& painter, const QRect& clip, TDgCustomColumn* column, int row, int top);
    // A data cell's colours and state, after the sorted look, the selection
    // and the OnCellColoring handler have had their say.
    struct TCellColors {
        QColor Fill;
        TColor Grid;
        TCellState State;
        bool Selected;
    };
    TCellColors CellColors(const TDgCustomColumn* column, int row, const TCellBase& cell);
    QRect CellRectAt(const TDgCustomColumn* column, int row, int top) const;
    // Clips to a cell only where its paint could spill: over the fixed area
    // or past the data area's bottom. Returns whether it clipped.
    bool ClipCell(QPainter& painter, QRect& rect, const TDgCustomColumn* column);
    void SetPaintFont(QPainter& painter, const QFont& font);
    void SetPaintPen(QPainter& painter, const QColor& color);
    void PaintCellLines(QPainter& painter, const QRect& r, int col, int row, TColor gridColor,
                        bool realRow);
    void PaintHeader(QPainter& painter, const QRect& clip);
    void PaintFocusRect(QPainter& painter);
    // Drawn last over everything (the resize lines).
    virtual void PaintOverlay(QPainter& painter);
    // Fonts of the current paint, by description and style.
    const QFont& CachedFont(const TFontDesc& desc, TFontStyles style);
    bool SkipColumn(const TDgCustomColumn* column, int clientWidth) const;
    QColor SelectionBackground(TColor background) const;

    TDgColumns columns_{this};
    std::array<std::unique_ptr<TStyleDisplay>, 7> displays_;
    TGridLineWidths lines_;

    TAppearanceOptions appearance_ = aoHideSelection | aoHighlightSlideCells;
    bool autoScroll_ = false;
    QString caption_;
    TColor color_ = clWindow;
    bool enableVisualStyles_ = true;
    int fixedCols_ = 0;
    TFontDesc font_;
    int footerSize_ = 18;
    TColor gridLinesColor_ = clBtnFace;
    TGridLinesStyle gridLinesStyle_ = lsNormal;
    TGridStyle gridStyle_ = gsReport;
    int headerSize_ = 18;
    THeaderStyle headerStyle_ = hsAuto;
    TColor highlightedTextColor_ = clHighlightText;
    THomeEndBehaviour homeEnd_ = hebTopBottom;
    TColor inactiveSelectionColor_ = clBtnFace;
    TInputEnterMode inputEnterMode_ = imEditing;
    int inputSize_ = 16;
    TGridOptions options_ = goHeader;
    bool readOnly_ = false;
    int rowSize_ = 16;
    TColor selectionColor_ = clHighlight;
    TMoveDirection moveDirection_ = mdDown;
    TSlidesOptions slidesOptions_ = soFrame | soHideSelection;
    TColor slideSelectionColor_ = clWindow;
    int slideSize_ = 80;
    TSortedStyle sortedStyle_ = soDefault;
    bool wantReturns_ = false;
    bool wantTabs_ = false;

    int selectedColumn_ = 0;
    int selectedRow_ = -1;
    int firstVisibleRow_ = 0;
    int firstShownRow_ = 0;
    int lastShownRow_ = 0;
    int lastAddedRow_ = 0;
    int updateCount_ = 0;
    TDgCustomColumn* sortedColumn_ = nullptr;
    int pressedHeader_ = -1;
    bool gotClientWidth_ = false;
    bool distributing_ = false;
    bool destroying_ = false;  // no events while the columns go with the grid
    std::deque<std::pair<std::pair<TFontDesc, TFontStyles>, QFont>> fontCache_;  // stable references
    // Paint-time state: the last font and pen handed to the painter, and the
    // last visible column in display order.
    const QFont* paintFont_ = nullptr;
    QRgb paintPen_ = 0;
    bool paintPenSet_ = false;
    int lastVisibleColumn_ = -1;
    int lastClientWidth_ = -1;
    QPainter* canvas_ = nullptr;
};

// The published properties' events, mouse, keyboard and hints.
class TDgCustomGrid : public TDgCustomGridControl {
    Q_OBJECT
public:
    explicit TDgCustomGrid(QWidget* parent = nullptr);
    ~TDgCustomGrid() override;

    // --- interaction events (Sender is the grid) --------------------------
    std::function<void(QObject* Sender, int ACol, int ARow)> OnCellDblClick;
    std::function<void(QObject* Sender, int ACol, int ARow)> OnCellClick;
    std::function<void(QObject* Sender, int ACol)> OnHeaderClick;
    std::function<void(QObject* Sender, int ACol)> OnHeaderDblClick;
    std::function<void(QObject* Sender)> OnMouseEnter;
    std::function<void(QObject* Sender)> OnMouseLeave;
    // The user gave column ACol a new width: a header border dragged, or a
    // double click on it that fitted the column to its content.
    std::function<void(QObject* Sender, int ACol)> OnColumnResizedByUser;

    // --- editing and other machinery (fired by the check-box toggle only) ----
    std::function<void(QObject* Sender, int ACol, int ARow, const QString& Value)> OnAfterEdit;
    std::function<void(QObject* Sender, int ACol, int ARow, const QString& Value)> OnEdit;
    std::function<void(QObject* Sender, int FromPos, int ToPos)> OnAfterRowMove;
    std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)> OnApplyCell;
    std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)> OnApplyEditText;
    std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)> OnEditText;
    std::function<void(QObject* Sender, int ACol, int ARow, bool& Accept)> OnBeforeEdit;
    std::function<void(QObject* Sender, int Index, int Height)> OnChangeRowHeight;
    std::function<void(QObject* Sender, int ACol, double& Value)> OnColumnFooterValue;
    std::function<void(QObject* Sender, int ACol, double& Value)> OnFooterCalculate;
    std::function<void(QObject* Sender, int ACol)> OnFooterClick;
    std::function<void(QObject* Sender, int ACol)> OnInputSelectCell;
    std::function<void(QObject* Sender, int ACol)> OnSlideChange;
    std::function<void(QObject* Sender, int ACol, int ARow, const QString& Value, bool& Accept)>
        OnEditAccept;
    std::function<void(QObject* Sender)> OnEditExit;
    std::function<void(QObject* Sender)> OnInputAdded;
    std::function<void(QObject* Sender, bool& Accept)> OnInputAccept;
    std::function<void(QObject* Sender, int ACol, int ARow)> OnLoadProgress;
    std::function<void(QObject* Sender, int Index, int& RowHeight)> OnMeasuringRowHeight;
    std::function<void(QObject* Sender, int FromPos, int ToPos, bool& Accept)> OnRowMove;

    // Store access for column handlers (check-box toggling).
    TCells* Store() const { return store_; }
    // Fits a column's width to its content over the shown rows.
    void FitColumnToContent(int col);

    // The hint window while it shows, else nullptr (for tests and tools).
    QWidget* HintWindow() const;
    QString HintText() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void PaintOverlay(QPainter& painter) override;
    bool focusNextPrevChild(bool next) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void HorzScrolled(int oldPos, int newPos) override;
    void VertScrolled(int oldPos, int newPos) override;

private:
    enum class THintMode { None, Header, TextFit, Cell };
    int ResizeHandleAt(const QPoint& p) const;  // column index, -1 for none
    void UpdateHover(const QPoint& p);
    void ShowHint(const QString& text, const QPoint& clientPos, int maxWidth);
    void HideHint();
    // The hint no longer matches what lies under the pointer: hidden until the pointer moves again.
    void DropHover();
    void DrawResizeLines();
    void KeyVertical(int key);
    void KeyHorizontal(bool right);
    void MoveFocusTo(int row);
    void HeaderRelease(const QPoint& p);
    void HeaderSort(TDgCustomColumn* column);
    void DataPress(QMouseEvent* event);

    QLabel* hint_ = nullptr;
    THintMode hintMode_ = THintMode::None;
    QPoint hoverCell_{-2, -2};
    int hoverHeader_ = -1;
    QPoint pressPos_;
    QPoint pressCell_{-1, -1};
    Qt::MouseButton pressButton_ = Qt::NoButton;
    int resizeColumn_ = -1;
    int resizeStartX_ = 0;
    int resizeDelta_ = 0;
    bool doubleClickPress_ = false;
};
