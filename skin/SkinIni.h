#pragma once
// A byte-level ini reader for skin definition text. QSettings is no use here:
// it rewrites backslashes and 8-bit values, and skins spell names in any case.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TskIniFile {
public:
    TskIniFile() = default;
    explicit TskIniFile(std::string_view text) { SetText(text); }

    // Parses `text`; CR LF, LF and CR all end a line. Lines that are neither
    // "[section]" nor "key=value" (and ";" comments) are skipped.
    void SetText(std::string_view text);
    void Clear();

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const
    {
        return Find(section, key) != nullptr;
    }
    // Section and key names match without regard to ASCII letter case; the
    // first of repeated keys wins. Values come back as written, trimmed.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def = {}) const;
    // Decimal with an optional sign; anything else gives `def`.
    int ReadInteger(std::string_view section, std::string_view key, int def) const;
    // True only for the integer 1.
    bool ReadBool(std::string_view section, std::string_view key) const;

    int SectionCount() const { return int(sections_.size()); }
    int KeyCount(std::string_view section) const;

private:
    struct Section {
        std::unordered_map<std::string, std::string> values;  // lower-case key
    };
    const std::string* Find(std::string_view section, std::string_view key) const;

    std::vector<Section> sections_;
    std::unordered_map<std::string, int> index_;  // lower-case name -> sections_
};

// Decimal integer with an optional sign and surrounding blanks; false when the
// text is anything else or does not fit an int.
bool ParseSkinInt(std::string_view text, int& out);
