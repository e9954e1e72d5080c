#pragma once
// The main window fixture, logged out and not shown, whose line and live lists
// the tests script document by document.
#include "tests/window/WindowFixture.h"

#include <memory>
#include <string>
#include <vector>

namespace lists {
inline const std::string kLinePath = "/login/hl.php?menu=line";
inline const std::string kLivePath = "/login/hl.php?menu=live";

// "<name>value</name>"
inline std::string Tag(const std::string& name, const std::string& value)
{
    return "<" + name + ">" + value + "</" + name + ">";
}

inline std::string Match(const std::string& elements)
{
    return Tag("match", elements);
}

inline std::string Document(const std::vector<std::string>& matches)
{
    std::string body = "<matches>";
    for (const std::string& m : matches)
        body += m;
    return body + "</matches>";
}
}  // namespace lists

class ListsTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        form = std::make_unique<TForm1>(TServiceUrls(demo.Host(), "www.hoopline.test"));
        form->PlaySound = [this](std::string_view name) { sounds.emplace_back(name); };
        form->NotifyBet = [this](const QString& bet, const QString& match) { notices.append({bet, match}); };
        form->SessionLogin = form->SessionPassword = "demo";
    }

    void ScriptLine(const std::string& body) { demo.Script(lists::kLinePath, {.body = body}); }
    void ScriptLive(const std::string& body) { demo.Script(lists::kLivePath, {.body = body}); }

    int LiveRequests() const
    {
        int n = 0;
        for (const std::string& head : demo.Requests())
            n += head.find("menu=live") != std::string::npos;
        return n;
    }

    std::vector<std::string> sounds;
    QList<std::pair<QString, QString>> notices;  // desktop notices: bet, match
};
