// The grid against Qt's item classes: filling 100,000 live rows (CPU time
// and heap per cell; both containers share the same text payloads, so the
// memory figures are what each container adds), and repainting (median CPU
// time of a frame) a 1015 x 508 viewport of 1,000 and 100,000
// rows. `--screenshot FILE` instead saves a picture of a live grid on screen.
//
// The model's fill cost depends on the heap that earlier runs in the same
// process left behind, so the fill ratio comes from `--fill-ratio`: each side
// filled in fresh processes of its own (`--fill-side grid|model`), the sides
// taking turns, and compared by medians. Two figures: the first fill of each
// process (no earlier run has touched the heap), and a refill (the median of
// the fills after that first one, the heap holding what the first one freed).
#include "LiveData.h"
#include "grid/DgGrid.h"
#include "toolkit/Fonts.h"
#include "toolkit/ImageList.h"
#include "toolkit/Resources.h"
#include "ui/GridLayout.h"

#include <QApplication>
#include <algorithm>
#include <QHeaderView>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <ctime>
#include <cstdio>
#include <malloc.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int FillRows = 100000;
constexpr int ViewportWidth = 1015;
constexpr int ViewportHeight = 508;

TImageList& Flags()
{
    static TImageList* list = [] {
        auto* l = new TImageList(nullptr, 16, 16);
        LoadFlagImages(*l);
        return l;
    }();
    return *list;
}

// CPU time of this thread: the machine is shared, wall time is not ours.
double CpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

std::size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Mean figures of each run, for the ratios printed at the end.
std::map<std::string, double> g_results;

void Record(const std::string& key, double value)
{
    g_results[key] = value;
}

std::unique_ptr<TDataGrid> MakeLiveGrid()
{
    auto grid = std::make_unique<TDataGrid>();
    grid->SetFont(TFontDesc{QStringLiteral("Arial"), 14, 0, clBtnText});
    ApplyGridLayout(*grid, QStringLiteral("LG"), TGridImages{&Flags()});
    return grid;
}

void FillGrid(TDataGrid& grid, int rows)
{
    grid.BeginUpdate();
    for (int r = 0; r < rows; ++r) {
        grid.AddRow(1);
        grid.SetCells(LiveFlagColumn, r, QString::number(LiveFlag(r)));
        for (int c = LiveFirstTextColumn; c < LiveColumns; ++c)
            grid.SetCells(c, r, CachedLiveText(r, c));
    }
    grid.EndUpdate();
}

std::unique_ptr<QStandardItemModel> FillModel(int rows)
{
    auto model = std::make_unique<QStandardItemModel>(0, LiveColumns);
    for (int r = 0; r < rows; ++r) {
        QList<QStandardItem*> items(LiveColumns, nullptr);
        items[LiveFlagColumn] = new QStandardItem;
        items[LiveFlagColumn]->setData(LiveFlag(r), Qt::DisplayRole);
        for (int c = LiveFirstTextColumn; c < LiveColumns; ++c)
            items[c] = new QStandardItem(CachedLiveText(r, c));
        model->appendRow(items);
    }
    return model;
}

template <class Fill>
void MeasureFill(benchmark::State& state, const std::string& name, Fill fill)
{
    const double cells = double(FillRows) * LiveColumns;
    double seconds = 0;
    double bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::size_t before = HeapInUse();
        state.ResumeTiming();
        const double start = CpuSeconds();
        auto filled = fill();
        seconds += CpuSeconds() - start;
        state.PauseTiming();
        bytes += double(HeapInUse() - before);
        filled.reset();
        state.ResumeTiming();
    }
    const double n = double(state.iterations());
    state.counters["ns_per_cell"] = seconds / n / cells * 1e9;
    state.counters["bytes_per_cell"] = bytes / n / cells;
    Record(name + ".ns", seconds / n / cells * 1e9);
    Record(name + ".bytes", bytes / n / cells);
}

void BM_FillDataGrid(benchmark::State& state)
{
    MeasureFill(state, "fill.grid", [] {
        auto grid = MakeLiveGrid();
        FillGrid(*grid, FillRows);
        return grid;
    });
}

void BM_FillStandardItemModel(benchmark::State& state)
{
    MeasureFill(state, "fill.model", [] { return FillModel(FillRows); });
}

// Resizes `widget` until its viewport is exactly the measured size.
void FitViewport(QWidget& widget, QWidget& viewport)
{
    widget.resize(ViewportWidth + 40, ViewportHeight + 40);
    widget.show();
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        widget.resize(widget.width() + ViewportWidth - viewport.width(),
                      widget.height() + ViewportHeight - viewport.height());
    }
    QCoreApplication::processEvents();
}

// A row near the middle that shows the same texts whatever the row count,
// so that both sizes paint the same picture deep in the store.
int MiddleRow(int rows)
{
    return rows / 2 / LiveCycle * LiveCycle + LiveCycle / 2;
}

// The median frame: the machine is shared, and a median is not moved by the
// odd frame that another process slowed down.
template <class Paint>
void MeasureRepaint(benchmark::State& state, const std::string& name, QWidget& widget, Paint paint)
{
    QImage frame(widget.size(), QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < 50; ++i)  // glyph caches and laid-out lines warm up first
        paint(frame);
    std::vector<double> frames;
    for (auto _ : state) {
        const double start = CpuSeconds();
        paint(frame);
        frames.push_back(CpuSeconds() - start);
    }
    std::nth_element(frames.begin(), frames.begin() + std::ptrdiff_t(frames.size() / 2), frames.end());
    const double ms = frames[frames.size() / 2] * 1e3;
    state.counters["ms_per_frame"] = ms;
    Record(name + "." + std::to_string(state.range(0)), ms);
}

void BM_RepaintDataGrid(benchmark::State& state)
{
    auto grid = MakeLiveGrid();
    FillGrid(*grid, int(state.range(0)));
    FitViewport(*grid, *grid->viewport());
    grid->VertScrollBar().SetPosition(MiddleRow(int(state.range(0))));
    MeasureRepaint(state, "repaint.grid", *grid, [&](QImage& frame) { grid->render(&frame); });
}

void BM_RepaintTableView(benchmark::State& state)
{
    const int rows = int(state.range(0));
    auto model = FillModel(rows);
    const TGridLayout* layout = FindGridLayout(u"LG");
    QTableView view;
    view.setModel(model.get());
    view.verticalHeader()->hide();
    view.verticalHeader()->setMinimumSectionSize(1);
    view.verticalHeader()->setDefaultSectionSize(17);
    view.horizontalHeader()->setFixedHeight(18);
    for (int c = 0; c < LiveColumns; ++c) {
        view.setColumnWidth(c, layout->Columns[std::size_t(c)].Width);
        view.setColumnHidden(c, !layout->Columns[std::size_t(c)].Visible);
    }
    FitViewport(view, *view.viewport());
    view.scrollTo(model->index(MiddleRow(rows), LiveFirstTextColumn), QAbstractItemView::PositionAtTop);
    MeasureRepaint(state, "repaint.view", view, [&](QImage& frame) { view.render(&frame); });
}

BENCHMARK(BM_FillDataGrid)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_FillStandardItemModel)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_RepaintDataGrid)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RepaintTableView)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void PrintRatios()
{
    auto get = [](const char* key) {
        const auto it = g_results.find(key);
        return it == g_results.end() ? 0.0 : it->second;
    };
    if (get("repaint.grid.1000") > 0 && get("repaint.grid.100000") > 0)
        std::printf("repaint: TDataGrid %.3f ms (1k) %.3f ms (100k), 100k/1k %.3f;"
                    " QTableView %.3f ms (1k) %.3f ms (100k); %.2fx faster at 100k\n",
                    get("repaint.grid.1000"), get("repaint.grid.100000"),
                    get("repaint.grid.100000") / get("repaint.grid.1000"), get("repaint.view.1000"),
                    get("repaint.view.100000"), get("repaint.view.100000") / get("repaint.grid.100000"));
}

constexpr int FillProcesses = 5;  // per side
constexpr int Refills = 5;        // per process

double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// One process's fills of one side. Prints "<first fill ns per cell>
// <median refill ns per cell> <median bytes per cell>".
template <class Fill>
int FillSide(Fill fill)
{
    const double cells = double(FillRows) * LiveColumns;
    std::vector<double> ns, bytes;
    for (int i = 0; i <= Refills; ++i) {
        const std::size_t before = HeapInUse();
        const double start = CpuSeconds();
        auto filled = fill();
        ns.push_back((CpuSeconds() - start) / cells * 1e9);
        bytes.push_back(double(HeapInUse() - before) / cells);
    }
    const double first = ns.front();
    ns.erase(ns.begin());
    std::printf("%.2f %.2f %.2f\n", first, Median(ns), Median(bytes));
    return 0;
}

int FillSide(const QString& side)
{
    if (side == QLatin1String("grid"))
        return FillSide([] {
            auto grid = MakeLiveGrid();
            FillGrid(*grid, FillRows);
            return grid;
        });
    if (side == QLatin1String("model"))
        return FillSide([] { return FillModel(FillRows); });
    std::fprintf(stderr, "--fill-side takes grid or model\n");
    return 2;
}

// The figures of one side, one entry per process.
struct TSideFigures {
    std::vector<double> first, refill, bytes;
};

// Runs the sides in fresh processes of this program, taking turns, and
// compares the medians.
int FillRatio()
{
    std::map<QString, TSideFigures> figures;
    for (int run = 0; run < FillProcesses; ++run)
        for (const QString& side : {QStringLiteral("grid"), QStringLiteral("model")}) {
            QProcess process;
            process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--fill-side"), side});
            if (!process.waitForFinished(-1) || process.exitCode() != 0) {
                std::fprintf(stderr, "the %s fill failed\n", qPrintable(side));
                return 1;
            }
            const QStringList values = QString::fromLatin1(process.readAllStandardOutput()).split(QLatin1Char(' '));
            TSideFigures& f = figures[side];
            f.first.push_back(values.value(0).toDouble());
            f.refill.push_back(values.value(1).toDouble());
            f.bytes.push_back(values.value(2).toDouble());
        }
    const TSideFigures& grid = figures[QStringLiteral("grid")];
    const TSideFigures& model = figures[QStringLiteral("model")];
    std::printf("fill (%d rows x %d columns; medians over %d fresh processes per side, taking turns):\n",
                FillRows, LiveColumns, FillProcesses);
    const auto line = [](const char* what, const std::vector<double>& g, const std::vector<double>& m) {
        std::printf("  %-42s TDataGrid %7.1f ns, QStandardItemModel %7.1f ns per cell: %.2fx faster\n", what,
                    Median(g), Median(m), Median(m) / Median(g));
    };
    line("first fill of a fresh process:", grid.first, model.first);
    line("refill (median of the next fills):", grid.refill, model.refill);
    std::printf("  heap per cell: TDataGrid %.1f B, QStandardItemModel %.1f B: %.2fx less memory\n",
                Median(grid.bytes), Median(model.bytes), Median(model.bytes) / Median(grid.bytes));
    return 0;
}

// A live grid on screen with tinted quarter cells, a sorted column and a
// selected row, saved as the window shows it.
int Screenshot(const QString& file)
{
    QWidget window;
    window.setWindowTitle(QStringLiteral("Hoopline - live grid"));
    window.resize(1017, 420);
    auto grid = MakeLiveGrid();
    grid->setParent(&window);
    grid->setGeometry(0, 0, 1017, 420);
    FillGrid(*grid, 40);
    const TColor tints[] = {0xB8A9ED, 0xB7FFB7};
    for (int r = 0; r < 40; ++r)
        for (int c = 10; c <= 12; ++c)
            if ((r + c) % 3 != 0) {
                TCell cell = grid->Cell(c, r);
                cell.SetColor(tints[(r * 7 + c) % 2]);
                cell.SetHint(QStringLiteral("Forecast pace\r%1").arg(cell.AsString()));
            }
    grid->Cell(18, 2).SetColor(clLime);
    grid->Columns()[5]->SetSorted(true);
    grid->SetOptions(grid->Options() | goSelectFullRow);  // as the match lists select
    window.show();
    window.activateWindow();
    grid->setFocus();
    grid->SelectCell(5, 4);
    QTimer::singleShot(800, [&] {
        QScreen* screen = window.screen();
        const QPixmap shot = screen->grabWindow(window.winId());
        std::printf("%s %s\n", qPrintable(file), shot.save(file) ? "saved" : "NOT saved");
        QApplication::quit();
    });
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallDefaultApplicationFont();
    const QStringList args = QApplication::arguments();
    const qsizetype shot = args.indexOf(QStringLiteral("--screenshot"));
    if (shot >= 0 && shot + 1 < args.size())
        return Screenshot(args[shot + 1]);
    const qsizetype side = args.indexOf(QStringLiteral("--fill-side"));
    if (side >= 0 && side + 1 < args.size())
        return FillSide(args[side + 1]);
    if (args.contains(QStringLiteral("--fill-ratio")))
        return FillRatio();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintRatios();
    return 0;
}
