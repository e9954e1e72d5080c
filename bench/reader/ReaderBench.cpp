// The live list read as the live monitor reads it: the list walk plus every
// element lookup of each record, over documents of growing size.
#include "app/TaggedText.h"
#include "tests/support/LiteralWalk.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string LiveDocument(int records)
{
    std::string doc = "<?xml?>\r\n";
    for (int i = 0; i < records; ++i) {
        const std::string n = std::to_string(i);
        doc += "<match><id>" + std::to_string(5000000 + i) + "</id><country>Lithuania</country>"
               "<liga>LKL</liga><time>19:30</time><vr>3Q</vr><q>04:1" + n.substr(n.size() - 1) + "</q>"
               "<home>Kaunas Lions " + n + "</home><away>Vilnius Eagles</away><kf1>1.45</kf1><kf2>2.70</kf2>"
               "<score>61:55</score><q1>22:18</q1><q2>20:21</q2><q3>19:16</q3><q4></q4><q5></q5>"
               "<forecast>84:77</forecast><precent>66-34</precent><h2h>3:2</h2h>"
               "<rb>" + (i % 5 ? std::string() : "Total Over 163.5 (" + n + ")") + "</rb>";
        if (i % 4)
            doc += "<LIVE_KF><w1>1.30</w1><w2>3.40</w2><hand1>-5.5</hand1><kof1>1.87</kof1><hand2>+5.5</hand2>"
                   "<kof2>1.93</kof2><total>161.5</total><u>1.90</u><o>1.90</o></LIVE_KF>";
        doc += "</match>\r\n";
    }
    return doc;
}

constexpr const char* kRecordNames[] = {"id", "country", "liga", "time", "vr", "q", "home", "away", "kf1", "kf2",
                                        "score", "q1", "q2", "q3", "q4", "q5", "forecast", "precent", "h2h", "rb"};
constexpr const char* kLineNames[] = {"w1", "w2", "hand1", "kof1", "hand2", "kof2", "total", "u", "o"};

template <class Text, class Extract>
std::size_t ReadRecord(const Text& record, Extract&& extract)
{
    std::size_t sum = 0;
    const auto kf = extract(record, "LIVE_KF");
    for (const char* name : kRecordNames)
        sum += extract(record, name).size();
    if (!kf.empty())
        for (const char* name : kLineNames)
            sum += extract(kf, name).size();
    return sum;
}

void BM_ListWalkWithLookups(benchmark::State& state)
{
    const std::string doc = LiveDocument(int(state.range(0)));
    for (auto _ : state) {
        std::size_t sum = 0;
        WalkMatchList(doc, [&](std::string_view record) {
            sum += ReadRecord(record, [](std::string_view t, std::string_view n) { return ExtractElement(t, n); });
        });
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(doc.size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ListWalkWithLookups)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Complexity()->Unit(benchmark::kMillisecond);

// The walk that copies the rest of the document at every step.
void BM_CopyTheRestBaseline(benchmark::State& state)
{
    const std::string doc = LiveDocument(int(state.range(0)));
    for (auto _ : state) {
        std::size_t sum = 0;
        LiteralListWalk(doc, [&](const std::string& record) {
            sum += ReadRecord(record, [](const std::string& t, const char* n) { return LiteralExtract(t, n); });
        });
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(doc.size()));
}
BENCHMARK(BM_CopyTheRestBaseline)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
