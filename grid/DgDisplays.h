#pragma once
// Painters: the per-column cell painters and the header style displays.
#include "grid/DgCells.h"
#include "grid/DgColumns.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QRect>
#include <QString>
#include <cstdint>

class QPainter;
class QWidget;

// Paint-time state of a cell (set of bits).
enum TCellStateFlag : std::uint8_t {
    csBoldTextSelection = 1,
    csEmpty = 2,
    csFocused = 4,
    csSelected = 8,
};
using TCellState = std::uint8_t;

// What a column painter gets for one cell. The painter's canvas already has
// the cell's font, text colour and style and is clipped to the cell.
struct TCellPaint {
    QPainter* Canvas = nullptr;
    QWidget* Window = nullptr;
    QRect CellRect;
    QRect ContentRect;  // without grid lines, narrowed by Padding
    const TDgCustomColumn* Column = nullptr;
    int Row = -1;
    bool Selected = false;
    bool Focused = false;
    TColor HighlightedTextColor = clHighlightText;
};

// Formatted text drawing with the platform's rules: right/bottom exclusive,
// end or path ellipsis, word breaks, vertical centring of one line.
enum TTextFlag : std::uint32_t {
    tfLeft = 0,
    tfCenter = 1u << 0,
    tfRight = 1u << 1,
    tfTop = 0,
    tfVCenter = 1u << 2,
    tfBottom = 1u << 3,
    tfSingleLine = 1u << 4,
    tfWordBreak = 1u << 5,
    tfEndEllipsis = 1u << 6,
    tfPathEllipsis = 1u << 7,
    tfRtlReading = 1u << 8,
};
using TTextFlags = std::uint32_t;
// Draws `text` in `rect` with the painter's font and pen; returns the height used.
int DrawFormattedText(QPainter& painter, const QRect& rect, const QString& text, TTextFlags flags);
// Height `text` takes in `width` pixels with these flags.
int MeasureFormattedText(const QFont& font, int width, const QString& text, TTextFlags flags);

// Cell painter of a column kind.
class TColumnDisplay {
public:
    explicit TColumnDisplay(const TDgCustomColumn* column) : column_(column) {}
    virtual ~TColumnDisplay() = default;

    virtual void Paint(const TCellPaint& cell, const TCellInfo& values) const = 0;
    // Width of the cell's content in `font` (fitting and text-fit hints).
    virtual int ContentWidth(const TCellInfo& values, const QFont& font) const = 0;

protected:
    // Top-left of a w x h box placed in `r` by the column's alignments, margin 2.
    QPoint PlaceBox(const QRect& r, int w, int h) const;

    const TDgCustomColumn* column_;
};

class TTextColumnDisplay : public TColumnDisplay {
public:
    using TColumnDisplay::TColumnDisplay;
    void Paint(const TCellPaint& cell, const TCellInfo& values) const override;
    int ContentWidth(const TCellInfo& values, const QFont& font) const override;
    TTextFlags Flags() const;

private:
    // One line laid out once and drawn again on every repaint that shows it.
    struct TLineKey {
        QString Text;
        int Width;
        TTextFlags Flags;
        bool operator==(const TLineKey&) const = default;
        friend size_t qHash(const TLineKey& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.Text, key.Width, key.Flags);
        }
    };
    const QStaticText& Line(const QFont& font, const QString& text, int width, TTextFlags flags) const;

    mutable QHash<TLineKey, QStaticText> lines_;
    mutable QFont linesFont_;
};

class TImageColumnDisplay : public TColumnDisplay {
public:
    using TColumnDisplay::TColumnDisplay;
    void Paint(const TCellPaint& cell, const TCellInfo& values) const override;
    int ContentWidth(const TCellInfo& values, const QFont& font) const override;
};

class TCheckBoxColumnDisplay : public TColumnDisplay {
public:
    static constexpr int BoxSize = 11;  // the classic box; visual styles are off

    using TColumnDisplay::TColumnDisplay;
    void Paint(const TCellPaint& cell, const TCellInfo& values) const override;
    int ContentWidth(const TCellInfo& values, const QFont& font) const override;
    // The box rectangle inside a cell rectangle.
    QRect BoxRect(const QRect& cellRect) const;
    // The classic box at (x, y).
    static void DrawBox(QPainter& painter, int x, int y, bool checked);
};

// Header looks, one per THeaderStyle.
enum THeaderStyle : std::uint8_t {
    hsAuto,
    hsFlatBorders,
    hsOffice2007,
    hsOffice2010,
    hsOldStyle,
    hsOutlook,
    hsVista
};

struct THeaderPaint {
    QPainter* Canvas = nullptr;
    QRect Rect;
    const TDgCustomColumn* Column = nullptr;
    bool Pressed = false;
    bool Hot = false;
};

// What a header style shows beyond its plain look.
enum TDisplayCapability : int {
    dcHotTracking = 1,
    dcPressedLook = 2,
    dcNoSortArrow = 4,
};

class TStyleDisplay {
public:
    virtual ~TStyleDisplay() = default;
    // TDisplayCapability bits.
    virtual int Capabilities() const { return 0; }
    virtual void PaintHeaderCell(const THeaderPaint& header) const = 0;
    // The strip right of the last column (only styles that draw one).
    virtual void PaintHeaderStrip(QPainter&, const QRect&) const {}
    // Visual styles are reported inactive: the classic look is drawn.
    bool VisualStyles = false;

protected:
    // Glyph, caption and sort arrow, placed as the flat style places them.
    void PaintHeaderContent(const THeaderPaint& header) const;
    static void PaintSortArrow(QPainter& painter, int left, int top, bool ascending, bool themed);
};

// hsFlatBorders: header colour, grey right and bottom lines; no hover, no press.
class TFlatStyleDisplay : public TStyleDisplay {
public:
    void PaintHeaderCell(const THeaderPaint& header) const override;
};

// hsAuto without visual styles: classic raised cells with a pressed look.
class TDefaultStyleDisplay : public TStyleDisplay {
public:
    int Capabilities() const override { return dcPressedLook; }
    void PaintHeaderCell(const THeaderPaint& header) const override;
};

// The remaining styles draw the flat look.
class TOffice2007StyleDisplay : public TFlatStyleDisplay {};
class TOffice2010StyleDisplay : public TFlatStyleDisplay {};
class TOldStyleDisplay : public TDefaultStyleDisplay {};
class TOutlookStyleDisplay : public TFlatStyleDisplay {};
class TVistaStyleDisplay : public TFlatStyleDisplay {};
