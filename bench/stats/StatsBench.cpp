// How long a double click on a match blocks the window: the statistics
// request, two logo downloads and the refill, against the in-process demo
// service; the bookmaker lookup over a long upcoming table; and one repaint
// of the Stats page.
#include "app/Unit1.h"
#include "demo/DemoService.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {
std::unique_ptr<TForm1> NewForm(const std::string& host)
{
    auto form = std::make_unique<TForm1>(TServiceUrls(host, "www.hoopline.test"));
    form->PlaySound = [](std::string_view) {};
    return form;
}
}  // namespace

static void BM_ShowMatchDetails(benchmark::State& state)
{
    QTemporaryDir dir;  // the logo files
    QDir::setCurrent(dir.path());
    TDemoService demo;
    auto form = NewForm(demo.Host());
    form->loginedit->setText(QStringLiteral("demo"));
    form->passedit->SetText(QStringLiteral("demo"));
    form->skSkinXFormButton1Click(nullptr);
    form->Timer1->SetEnabled(false);
    if (form->RX->RowCount() == 0) {
        state.SkipWithError("no upcoming matches");
        return;
    }
    int row = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(form->ShowMatchDetails(form->RX, row));
        row = (row + 1) % form->RX->RowCount();
    }
    benchmark::DoNotOptimize(form->LGrid1->RowCount());
}
BENCHMARK(BM_ShowMatchDetails)->Unit(benchmark::kMillisecond);

static void BM_FillBookmakerLines(benchmark::State& state)
{
    auto form = NewForm("127.0.0.1:9");
    const int rows = int(state.range(0));
    form->RG->AddRow(rows);
    for (int r = 0; r < rows; ++r) {
        form->RG->SetCells(0, r, QString::number(100000 + r));
        for (int c = 16; c <= 22; ++c)
            form->RG->SetCells(c, r, QStringLiteral("1.90"));
    }
    const std::string first = "100000";  // the whole table is scanned for the first row
    for (auto _ : state)
        form->FillBookmakerLines(first);
    benchmark::DoNotOptimize(form->Buk->Cells(0, 0));
}
BENCHMARK(BM_FillBookmakerLines)->Arg(2000)->Unit(benchmark::kMicrosecond);

// One full repaint of the Stats page's skinned parts (panels, labels, the inner
// page control; the grids hidden) in a 1034 x 718 window.
static void BM_StatsPageRepaint(benchmark::State& state)
{
    auto form = NewForm("127.0.0.1:9");
    form->resize(1034, 718);
    form->Page->SetActivePageIndex(TForm1::pgStats);
    QWidget* page = form->Page->ActivePage();
    for (TDataGrid* grid : page->findChildren<TDataGrid*>())
        grid->hide();
    QImage target(page->size(), QImage::Format_ARGB32_Premultiplied);
    page->render(&target);  // resolves the skin definitions once
    for (auto _ : state)
        page->render(&target);
    benchmark::DoNotOptimize(target.pixel(0, 0));
}
BENCHMARK(BM_StatsPageRepaint)->Unit(benchmark::kMillisecond);
