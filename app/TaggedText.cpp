#include "app/TaggedText.h"

#include <cstring>
#include <string>

namespace {

constexpr std::string_view kMatchOpen = "<match>";
constexpr std::string_view kMatchClose = "</match>";

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

std::string_view Trim(std::string_view s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

// "</" + name + ">" from `from` on. An end tag mostly follows its short value
// at once, so stepping from "<" to "<" beats any search with a set-up cost.
std::size_t FindEndTag(std::string_view text, std::string_view name, std::size_t from)
{
    const std::size_t tagLen = name.size() + 3;
    for (std::size_t lt = from; (lt = text.find('<', lt)) != std::string_view::npos; ++lt) {
        if (text.size() - lt < tagLen)
            break;
        if (text[lt + 1] == '/' && text[lt + tagLen - 1] == '>' && text.compare(lt + 2, name.size(), name) == 0)
            return lt;
    }
    return std::string_view::npos;
}

// "<" + name + ">". glibc's memmem skips ahead by whole needles, several
// times faster than stopping at every "<" of a tag-dense record.
std::size_t FindStartTag(std::string_view text, std::string_view name)
{
    char stackTag[64];
    std::string heapTag;
    const std::size_t tagLen = name.size() + 2;
    // An empty text may have no storage at all, and memmem must not see a null.
    if (text.size() < tagLen)
        return std::string_view::npos;
    char* tag = stackTag;
    if (tagLen > sizeof stackTag) {
        heapTag.resize(tagLen);
        tag = heapTag.data();
    }
    tag[0] = '<';
    if (!name.empty())
        std::memcpy(tag + 1, name.data(), name.size());
    tag[tagLen - 1] = '>';
#ifdef _WIN32
    return text.find(std::string_view(tag, tagLen));
#else
    const void* hit = memmem(text.data(), text.size(), tag, tagLen);
    return hit ? std::size_t(static_cast<const char*>(hit) - text.data()) : std::string_view::npos;
#endif
}

} // namespace

std::string_view ExtractElement(std::string_view text, std::string_view name)
{
    const std::size_t open = FindStartTag(text, name);
    if (open == std::string_view::npos)
        return {};
    const std::size_t from = open + name.size() + 2;
    const std::size_t close = FindEndTag(text, name, from);
    if (close == std::string_view::npos)
        return {};
    return Trim(text.substr(from, close - from));
}

bool TListWalk::Next(std::string_view& record)
{
    const std::size_t open = body_.find(kMatchOpen, pos_);
    if (open == std::string_view::npos) {
        pos_ = body_.size();
        return false;
    }
    const std::size_t from = open + kMatchOpen.size();
    const std::size_t close = closeMissing_ ? std::string_view::npos : body_.find(kMatchClose, from);
    if (close == std::string_view::npos) {
        // An unclosed record is empty and only its "<m" is skipped.
        closeMissing_ = true;
        record = {};
        pos_ = open + 2;
        return true;
    }
    record = Trim(body_.substr(from, close - from));
    // The rest begins with the last five bytes of "</match>".
    pos_ = close + 3;
    return true;
}

bool TSubListWalk::Next(std::string_view& record, int& index)
{
    const std::size_t open = sub_.find(kMatchOpen, pos_);
    if (open == std::string_view::npos) {
        pos_ = sub_.size();
        return false;
    }
    const std::size_t from = open + kMatchOpen.size();
    if (!endValid_ || (end_ != std::string_view::npos && end_ < from)) {
        end_ = sub_.find(kMatchClose, from);
        trimmedEnd_ = end_;
        while (end_ != std::string_view::npos && trimmedEnd_ > from && IsBlank(sub_[trimmedEnd_ - 1]))
            --trimmedEnd_;
        endValid_ = true;
    }
    record = {};
    if (end_ != std::string_view::npos) {
        std::size_t b = from;
        while (b < trimmedEnd_ && IsBlank(sub_[b]))
            ++b;
        if (b < trimmedEnd_)
            record = sub_.substr(b, trimmedEnd_ - b);
    }
    // Dropping only "<ma" lets the next pass find the next record.
    pos_ = open + 3;
    index = index_++;
    return true;
}
