#include "skin/SkinIni.h"

#include <charconv>

namespace {

std::string Lower(std::string_view s)
{
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return r;
}

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

}  // namespace

bool ParseSkinInt(std::string_view text, int& out)
{
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return false;
    out = value;
    return true;
}

void TskIniFile::Clear()
{
    sections_.clear();
    index_.clear();
}

void TskIniFile::SetText(std::string_view text)
{
    Clear();
    if (text.substr(0, 3) == "\xEF\xBB\xBF")  // editors like to add a UTF-8 mark
        text.remove_prefix(3);
    Section* current = nullptr;
    while (!text.empty()) {
        size_t eol = text.find_first_of("\r\n");
        std::string_view line = Trim(text.substr(0, eol));
        if (eol == std::string_view::npos) {
            text = {};
        } else {
            size_t next = eol + 1;
            if (text[eol] == '\r' && next < text.size() && text[next] == '\n')
                ++next;
            text.remove_prefix(next);
        }
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            std::string name = Lower(Trim(line.substr(1, line.size() - 2)));
            auto [it, added] = index_.try_emplace(name, int(sections_.size()));
            if (added)
                sections_.emplace_back();
            current = &sections_[size_t(it->second)];
            continue;
        }
        size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos || eq == 0)
            continue;
        current->values.try_emplace(Lower(Trim(line.substr(0, eq))),
                                    std::string(Trim(line.substr(eq + 1))));
    }
}

const std::string* TskIniFile::Find(std::string_view section, std::string_view key) const
{
    auto s = index_.find(Lower(section));
    if (s == index_.end())
        return nullptr;
    const auto& values = sections_[size_t(s->second)].values;
    auto v = values.find(Lower(key));
    return v == values.end() ? nullptr : &v->second;
}

bool TskIniFile::SectionExists(std::string_view section) const
{
    return index_.count(Lower(section)) != 0;
}

std::string TskIniFile::ReadString(std::string_view section, std::string_view key,
                                   std::string_view def) const
{
    const std::string* v = Find(section, key);
    return v ? *v : std::string(def);
}

int TskIniFile::ReadInteger(std::string_view section, std::string_view key, int def) const
{
    const std::string* v = Find(section, key);
    int value = def;
    if (v && ParseSkinInt(*v, value))
        return value;
    return def;
}

bool TskIniFile::ReadBool(std::string_view section, std::string_view key) const
{
    return ReadInteger(section, key, 0) == 1;
}

int TskIniFile::KeyCount(std::string_view section) const
{
    auto s = index_.find(Lower(section));
    return s == index_.end() ? 0 : int(sections_[size_t(s->second)].values.size());
}
