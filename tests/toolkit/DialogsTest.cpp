// Message boxes show texts from the service and from files: never as markup,
// never at any length.
#include "toolkit/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

struct CutCase {
    const char* label;
    QString text;
    QString shown;
    friend void PrintTo(const CutCase& c, std::ostream* os) { *os << c.label; }
};

class MessageCutTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(MessageCutTest, CutsLongLinesAndLongTexts)
{
    EXPECT_EQ(MessageBoxText(GetParam().text), GetParam().shown);
}

const QString kEllipsis(QChar(0x2026));

QString Lines(int n)
{
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines.append(QString::number(i));
    return lines.join('\n');
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageCutTest,
    ::testing::Values(
        CutCase{"short_text_as_is", "Update Programm from x\rline two", "Update Programm from x\rline two"},
        CutCase{"line_at_the_limit", QString(200, 'a') + "\r\nb", QString(200, 'a') + "\r\nb"},
        CutCase{"long_line_cut", QString(201, 'a') + "\nnext", QString(200, 'a') + kEllipsis + "\nnext"},
        CutCase{"huge_line_cut_once", QString(100000, 'a'), QString(200, 'a') + kEllipsis},
        CutCase{"twelve_lines_as_is", Lines(12), Lines(12)},
        CutCase{"too_many_lines_cut", Lines(5000), Lines(12) + kEllipsis}),
    [](const auto& testCase) { return testCase.param.label; });

TEST(MessageBox, ShowsMarkupAsPlainText)
{
    const QString text = QStringLiteral("HTTP/1.1 500 <a href=\"http://evil.test\">click</a><img src=\"/dev/zero\">");
    Qt::TextFormat format = Qt::RichText;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        format = box->textFormat();
        shown = box->text();
        box->accept();
    });
    ShowMessage(text, mkError);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, text);
}

} // namespace
