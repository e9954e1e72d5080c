// Filling the match lists from a document already received: the part of a
// refresh that blocks the window after the network is done.
#include "app/Unit1.h"
#include "demo/DemoService.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <benchmark/benchmark.h>
#include <string>

namespace {
std::string Tag(const char* name, const std::string& value)
{
    return std::string("<") + name + ">" + value + "</" + name + ">";
}

const char* const kCountries[] = {"Spain", "Italy", "Lithuania", "USA", "Europe", "Atlantis", "Greece", "Turkey"};

std::string LiveDocument(int matches)
{
    std::string body = "<matches>";
    for (int i = 0; i < matches; ++i) {
        const std::string n = std::to_string(i);
        body += Tag("match",
                    Tag("id", "7" + n) + Tag("country", kCountries[i % 8]) + Tag("liga", "League " + n)
                        + Tag("time", "19:30") + Tag("vr", "3Q") + Tag("q", "04:" + std::to_string(10 + i % 50))
                        + Tag("home", "Home team " + n) + Tag("away", "Away team " + n) + Tag("kf1", "1.72")
                        + Tag("kf2", "2.15") + Tag("score", "61:58") + Tag("q1", std::to_string(15 + i % 20) + ":21")
                        + Tag("q2", "19:" + std::to_string(12 + i % 15)) + Tag("q3", "8:6") + Tag("q4", "")
                        + Tag("q5", "") + Tag("forecast", "83:79") + Tag("precent", "58-42") + Tag("h2h", "3-2")
                        + Tag("rb", i % 10 == 0 ? "Total over 16" + n : "")
                        + Tag("LIVE_KF", Tag("w1", "1.45") + Tag("w2", "2.80") + Tag("hand1", "-4.5")
                                             + Tag("kof1", "1.90") + Tag("hand2", "+4.5") + Tag("kof2", "1.90")
                                             + Tag("total", "162.5") + Tag("u", "1.85") + Tag("o", "1.95")));
    }
    return body + "</matches>";
}

std::string LineDocument(int matches)
{
    std::string body = "<matches>";
    for (int i = 0; i < matches; ++i) {
        const std::string n = std::to_string(i);
        std::string record = Tag("id", "5" + n) + Tag("country", kCountries[i % 8]) + Tag("liga", "League " + n)
                             + Tag("date", "12.12") + Tag("time", "18:00") + Tag("home", "Home team " + n)
                             + Tag("away", "Away team " + n) + Tag("kf1", "1.60") + Tag("kf2", "2.40")
                             + Tag("forecast", "84:78") + Tag("precent", "61-39") + Tag("latest1", "WWLWL")
                             + Tag("latest2", "LWLLW") + Tag("h2h", "2-1");
        if (i % 4 != 0)
            record += Tag("LIVE_KF", Tag("hand1", "-5.5") + Tag("kof1", "1.90") + Tag("hand2", "+5.5")
                                         + Tag("kof2", "1.90") + Tag("total", "161.5") + Tag("u", "1.87")
                                         + Tag("o", "1.93"));
        body += Tag("match", record);
    }
    return body + "</matches>";
}

std::unique_ptr<TForm1> NewForm()
{
    // No request is made: the documents are handed over directly.
    auto form = std::make_unique<TForm1>(TServiceUrls("127.0.0.1:9", "www.hoopline.test"));
    form->PlaySound = [](std::string_view) {};
    return form;
}
}  // namespace

static void BM_FillLiveMatches(benchmark::State& state)
{
    const std::string body = LiveDocument(int(state.range(0)));
    auto form = NewForm();
    for (auto _ : state) {
        form->LG->ClearRows();
        form->FillLiveMatches(body);
    }
    benchmark::DoNotOptimize(form->LG->RowCount());
    state.counters["announced"] = form->ListBox1->Count();
}
BENCHMARK(BM_FillLiveMatches)->Arg(500)->Arg(2000)->Arg(8000)->Unit(benchmark::kMillisecond);

static void BM_FillLineMatches(benchmark::State& state)
{
    const std::string body = LineDocument(int(state.range(0)));
    auto form = NewForm();
    for (auto _ : state) {
        form->RX->ClearRows();
        form->RG->ClearRows();
        form->FillLineMatches(body);
    }
    benchmark::DoNotOptimize(form->RG->RowCount());
}
BENCHMARK(BM_FillLineMatches)->Arg(2000)->Unit(benchmark::kMillisecond);

// A whole live refresh over the loopback against the demo service: request,
// answer and rebuilding LG, timed on the wall clock. The kept connection is
// opened before the timing starts, as it is after the login.
static void BM_LiveRefreshOverLoopback(benchmark::State& state)
{
    TDemoService demo;
    demo.Script("/login/hl.php?menu=live", {.body = LiveDocument(int(state.range(0)))});
    auto form = std::make_unique<TForm1>(TServiceUrls(demo.Host(), "www.hoopline.test"));
    form->PlaySound = [](std::string_view) {};
    form->SessionLogin = form->SessionPassword = "demo";
    form->LoadLiveMatches();
    for (auto _ : state)
        form->LoadLiveMatches();
    state.counters["rows"] = form->LG->RowCount();
}
BENCHMARK(BM_LiveRefreshOverLoopback)->Arg(10)->Arg(500)->Unit(benchmark::kMillisecond)->UseRealTime();

// A live refresh of the shown window with no screen reader (0) and with one
// listening (1): the grid's reader notifications must cost nothing in the first.
static void BM_LiveRefreshWithReader(benchmark::State& state)
{
    const std::string body = LiveDocument(500);
    auto form = NewForm();
    form->show();
    const bool reader = state.range(0) != 0;
    const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent*) {});
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(reader);
    for (auto _ : state) {
        form->LG->ClearRows();
        form->FillLiveMatches(body);
    }
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    QAccessible::installUpdateHandler(previous);
    benchmark::DoNotOptimize(form->LG->RowCount());
}
BENCHMARK(BM_LiveRefreshWithReader)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
