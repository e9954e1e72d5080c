// One full paint of the skinned window frame (four strips, caption and
// buttons) into a window-sized picture, at the design size and full HD.
#include "skin/SkinData.h"
#include "skin/SkinForm.h"

#include <QPainter>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

void BM_PaintFrame(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Hoopline (Demo account, subscription until 31.12.2027)"));
    auto* frame = new TskSkinForm(&window);
    frame->SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    frame->SetShowIcon(true);
    auto* skin = new TskSkinData(&window);
    frame->SetSkinData(skin);
    TskCompressedStoredSkin stored;
    stored.SetCompressedData(OrangeSkinCompressedData());
    skin->LoadCompressedStoredSkin(&stored);
    window.resize(size);
    QImage target(size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&target);
        frame->PaintFrame(p);
    }
}
BENCHMARK(BM_PaintFrame)->Args({1034, 718})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

}  // namespace
