#pragma once
// The record walks done the obvious way, copying the rest of the text at
// every step: the yardstick the reader is measured and fuzzed against.
#include <string>
#include <utility>
#include <vector>

inline std::string LiteralExtract(const std::string& text, const std::string& name)
{
    const std::size_t p = text.find("<" + name + ">");
    if (p == std::string::npos)
        return {};
    const std::string rest = text.substr(p + name.size() + 2);
    const std::size_t q = rest.find("</" + name + ">");
    if (q == std::string::npos)
        return {};
    std::string value = rest.substr(0, q);
    std::size_t b = 0, e = value.size();
    while (b < e && static_cast<unsigned char>(value[b]) <= 0x20)
        ++b;
    while (e > b && static_cast<unsigned char>(value[e - 1]) <= 0x20)
        --e;
    return value.substr(b, e - b);
}

template <class Step>
void LiteralListWalk(std::string body, Step&& step)
{
    while (body.find("<match>") != std::string::npos) {
        body = body.substr(body.find("<match>"));
        const std::string record = LiteralExtract(body, "match");
        const std::size_t close = body.find("</match>");
        body = body.substr(close == std::string::npos ? 2 : close + 3);
        step(record);
    }
}

template <class Step>
void LiteralSubListWalk(std::string sub, Step&& step)
{
    for (int index = 0; sub.find("<match>") != std::string::npos; ++index) {
        const std::string record = LiteralExtract(sub, "match");
        sub = sub.substr(sub.find("<match>") + 3);
        step(record, index);
    }
}
