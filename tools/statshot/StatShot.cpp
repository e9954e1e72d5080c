// Renders the Stats page with a demo match on each of its inner tabs:
// stats.png (Forecast), stats-home.png, stats-away.png, stats-h2h.png.
#include "app/Unit1.h"
#include "demo/DemoService.h"
#include "toolkit/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// The first upcoming match with bookmaker lines, so that every part shows.
int MatchWithLines(const TForm1& form)
{
    constexpr int kTotalCol = 20;
    for (int r = 0; r < form.RG->RowCount(); ++r)
        if (!form.RG->Cells(kTotalCol, r).isEmpty())
            return r;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: statshot <output folder>\n");
        return 2;
    }
    const QDir out(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    InstallDefaultApplicationFont();

    // The logo files land in the current folder.
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    TDemoService demo;
    TForm1 form(TServiceUrls(demo.Host(), "www.hoopline.test"));
    form.PlaySound = [](std::string_view) {};
    form.show();
    form.loginedit->setText(QStringLiteral("demo"));
    form.passedit->SetText(QStringLiteral("demo"));
    form.skSkinXFormButton1Click(nullptr);
    if (!form.LoggedIn() || form.RX->RowCount() == 0) {
        std::fprintf(stderr, "statshot: no upcoming matches from the demo service\n");
        return 1;
    }
    form.Timer1->SetEnabled(false);
    form.RX->OnCellDblClick(form.RX, 1, MatchWithLines(form));
    Settle();

    const struct {
        TskSkinTabSheet* page;
        const char* file;
    } shots[] = {{form.skSkinTabSheet6, "stats.png"},
                 {form.skSkinTabSheet9, "stats-home.png"},
                 {form.skSkinTabSheet10, "stats-away.png"},
                 {form.skSkinTabSheet11, "stats-h2h.png"}};
    for (const auto& shot : shots) {
        form.StatPage->SetActivePage(shot.page);
        Settle();
        const QString file = out.filePath(QString::fromLatin1(shot.file));
        if (!form.grab().save(file)) {
            std::fprintf(stderr, "statshot: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
