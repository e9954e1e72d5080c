// Any bytes: the reader must never crash, must stay inside its buffer (ASan),
// and must yield exactly what the copying walks yield.
#include "app/TaggedText.h"
#include "tests/support/LiteralWalk.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first byte picks the element name to look up.
    static const char* const kNames[] = {"match", "q", "q1", "LIVE_KF", "a"};
    if (size == 0)
        return 0;
    const std::string name = kNames[data[0] % 5];
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    if (ExtractElement(text, name) != LiteralExtract(text, name))
        std::abort();

    std::vector<std::string> fast, literal;
    WalkMatchList(text, [&](std::string_view r) { fast.emplace_back(r); });
    LiteralListWalk(text, [&](const std::string& r) { literal.push_back(r); });
    if (fast != literal)
        std::abort();

    fast.clear();
    literal.clear();
    WalkSubList(text, [&](std::string_view r, int i) { fast.push_back(std::to_string(i) + ":" + std::string(r)); });
    LiteralSubListWalk(text, [&](const std::string& r, int i) { literal.push_back(std::to_string(i) + ":" + r); });
    if (fast != literal)
        std::abort();
    return 0;
}
