// Renders the main window's pages against the demo service: the login page
// before logging in, then every page (hidden tabs shown) after it, and the
// Live page at 1400 x 900, and a window too narrow for its tabs.
#include "app/CommandLine.h"
#include "app/Unit1.h"
#include "demo/DemoService.h"
#include "skin/SkinTabs.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

namespace {
bool Save(QWidget& form, const QString& dir, const QString& name)
{
    QApplication::processEvents();
    const QString path = QDir(dir).filePath(name);
    const bool ok = form.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}
}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: windowshot <output folder>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    InstallDefaultApplicationFont();
    SetMessageHook([](const QString& text, TMsgKind) { std::printf("message: %s\n", qPrintable(text)); });
    SetShellHook([](const QString&) {});

    TDemoService demo;
    const TCommandLine defaults = ParseCommandLine({QStringLiteral("hoopline")});
    TForm1 form(TServiceUrls(demo.Host(), defaults.siteHost));
    form.PlaySound = [](std::string_view) {};
    form.show();
    QTest::qWaitForWindowExposed(&form);

    bool ok = true;
    QTest::keyClicks(form.loginedit, QStringLiteral("demo"));
    QTest::keyClicks(form.passedit, QStringLiteral("demo"));
    QTest::mouseClick(form.zap, Qt::LeftButton);
    form.loginedit->setFocus();
    QTest::mouseMove(&form, QPoint(300, 600));  // no control shown hot
    ok &= Save(form, dir, QStringLiteral("login.png"));

    form.zap->SetChecked(false);
    QTest::mouseClick(form.skSkinXFormButton1, Qt::LeftButton);
    if (!form.LoggedIn()) {
        std::fprintf(stderr, "windowshot: the demo login failed\n");
        return 1;
    }
    for (int i = 0; i < form.Page->PageCount(); ++i)
        form.Page->Pages(i)->SetTabVisible(true);
    const char* pages[] = {"about", "stats", "live", "radar", "report"};
    for (int i = 0; i < form.Page->PageCount(); ++i) {
        form.Page->SetActivePageIndex(i);
        ok &= Save(form, dir, QStringLiteral("page-%1.png").arg(QLatin1String(pages[i])));
    }
    form.Page->SetActivePageIndex(TForm1::pgStats);
    const char* inner[] = {"forecast", "latest-home", "latest-away", "head-to-head"};
    for (int i = 1; i < form.StatPage->PageCount(); ++i) {
        form.StatPage->SetActivePageIndex(i);
        ok &= Save(form, dir, QStringLiteral("page-stats-%1.png").arg(QLatin1String(inner[i])));
    }
    form.StatPage->SetActivePageIndex(0);

    form.Page->SetActivePageIndex(TForm1::pgLive);
    form.resize(1400, 900);
    ok &= Save(form, dir, QStringLiteral("page-live-1400x900.png"));

    // Too narrow for the tab row: the up-down scrolls it, one tab along.
    form.Page->SetActivePageIndex(TForm1::pgStats);
    form.resize(300, 420);
    QApplication::processEvents();
    if (TskSkinUpDown* scroller = form.Page->TabScroller())
        QTest::mouseClick(scroller, Qt::LeftButton, {}, scroller->UpButtonRect().center());
    ok &= Save(form, dir, QStringLiteral("tabs-scrolled.png"));
    return ok ? 0 : 1;
}
