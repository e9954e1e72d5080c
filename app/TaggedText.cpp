#include "app/TaggedText.h"

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

// Finds "<" + name + ">" (or "</" + name + ">") without building the tag.
std::size_t FindTag(std::string_view text, std::string_view name, bool closing, std::size_t from)
{
    const std::size_t lead = closing ? 2 : 1;
    const std::size_t tagLen = name.size() + lead + 1;
    while (from < text.size()) {
        const std::size_t lt = text.find('<', from);
        if (lt == std::string_view::npos || text.size() - lt < tagLen)
            return std::string_view::npos;
        if ((!closing || text[lt + 1] == '/') && text[lt + tagLen - 1] == '>'
            && text.compare(lt + lead, name.size(), name) == 0)
            return lt;
        from = lt + 1;
    }
    return std::string_view::npos;
}

} // namespace

std::string_view ExtractElement(std::string_view text, std::string_view name)
{
    const std::size_t open = FindTag(text, name, false, 0);
    if (open == std::string_view::npos)
        return {};
    const std::size_t from = open + name.size() + 2;
    const std::size_t close = FindTag(text, name, true, from);
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
