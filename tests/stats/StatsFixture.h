#pragma once
// A logged-in window against the demo service, with statistics documents
// built from element lists so each test states only what it changes.
#include "tests/window/WindowFixture.h"

#include <QBuffer>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Readable failure messages.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// "<name>value</name>" for each pair, in order.
class TTags {
public:
    TTags() = default;
    TTags(std::initializer_list<std::pair<std::string, std::string>> items) : items_(items) {}

    // Replaces the element's value, or appends it when absent.
    TTags& Set(const std::string& name, const std::string& value)
    {
        for (auto& [n, v] : items_)
            if (n == name) {
                v = value;
                return *this;
            }
        items_.emplace_back(name, value);
        return *this;
    }
    TTags& Remove(const std::string& name)
    {
        std::erase_if(items_, [&](const auto& item) { return item.first == name; });
        return *this;
    }
    std::string Text() const
    {
        std::string out;
        for (const auto& [n, v] : items_)
            out += "<" + n + ">" + v + "</" + n + ">";
        return out;
    }

private:
    std::vector<std::pair<std::string, std::string>> items_;
};

// One past match of a results list.
inline std::string Result(const std::string& date, const std::string& score, const std::string& itog)
{
    return "\r\n<match>"
           + TTags{{"date", date}, {"home", "Alpha"}, {"away", "Beta"}, {"score", score}, {"q", "20:18 22:20"},
                   {"itog", itog}}
                 .Text()
           + "</match>";
}

// A summary element for prefix p whose figures read p + "_win" and so on.
inline std::string Summary(const std::string& p, bool withWinner = true)
{
    TTags t;
    if (withWinner)
        t.Set("winner1", p + "-pct");
    for (const char* s : {"_win", "_loss", "_t1", "_t2", "_at", "_q1", "_q2", "_q3", "_q4"})
        t.Set(p + s, p + s);
    return t.Text();
}

// The elements of a complete statistics document, as a demo match would have them.
inline TTags StatElements()
{
    const std::string table1 = TTags{{"country", "Spain"}, {"liga", "ACB"}, {"num", "3"}, {"game", "20"},
                                     {"win", "14"}, {"loss", "6"}, {"goals", "1650:1540"}, {"pts", "34"}}
                                   .Text();
    const std::string table2 = TTags{{"country", "France"}, {"liga", "Pro A"}, {"num", "9"}, {"game", "21"},
                                     {"win", "10"}, {"loss", "11"}, {"goals", "1600:1620"}, {"pts", "31"}}
                                   .Text();
    return TTags{{"id", "M7"},
                 {"id_home", "h7"},
                 {"id_away", "a7"},
                 {"home", "Valencia"},
                 {"away", "Monaco"},
                 {"country1", "Spain"},
                 {"country2", "France"},
                 {"kf1", "1.55"},
                 {"kf2", "2.45"},
                 {"date", "12.12.2026"},
                 {"time", "20:30"},
                 {"country", "Europe"},
                 {"liga", "Euroleague"},
                 {"table1", table1},
                 {"table2", table2},
                 {"winners1", "70"},
                 {"winners2", "48"},
                 {"hz", "82.5"},
                 {"hp", "77.0"},
                 {"az", "76.2"},
                 {"ap", "77.1"},
                 {"avgtotals", "158.4"},
                 {"Latest1", Result("01.12", "80:70", "W") + Result("05.12", "70:75", "L")},
                 {"Latest2", Result("02.12", "90:88", "W")},
                 {"H2H", Result("01.03", "81:79", "1")},
                 {"stat0", Summary("h2h")},
                 {"stat1", Summary("l1")},
                 {"stat2", Summary("l2")},
                 {"TOTAL1", "80"},
                 {"TOTAL2", "77"},
                 {"PRECENT1", "62"},
                 {"PRECENT2", "38"}};
}

inline std::string StatDocument(const TTags& elements)
{
    return "<stat>" + elements.Text() + "</stat>";
}

// A one-colour PNG.
inline std::string PngOf(QColor colour)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

class StatsTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        Open();
        LogIn("demo", "demo", false);
        ASSERT_TRUE(form->LoggedIn());
        for (TDataGrid* grid : {form->RX, form->RG, form->LG, form->LGG})
            grid->ClearRows();
    }

    // Every statistics request answers with `elements`.
    void ScriptStats(const TTags& elements, const std::string& key = "/basketball/match.php")
    {
        TDemoReply reply;
        reply.body = StatDocument(elements);
        demo.Script(key, reply);
    }

    // Appends a match row: id in column 0, the given texts from column 1 on.
    static int AddMatchRow(TDataGrid& grid, const QString& id, const std::vector<std::pair<int, QString>>& cells = {})
    {
        const int r = grid.AddRow();
        grid.SetCells(0, r, id);
        for (const auto& [col, text] : cells)
            grid.SetCells(col, r, text);
        return r;
    }

    // Double-clicks a row the way the grid reports it.
    static void DoubleClick(TDataGrid& grid, int row)
    {
        ASSERT_TRUE(grid.OnCellDblClick);
        grid.OnCellDblClick(&grid, 1, row);
    }
};
