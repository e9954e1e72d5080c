#pragma once
// A grid shown in an active window beside a line edit that can take the
// focus away, in the flat style the program uses.
#include "GridFixture.h"

#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

inline constexpr TColor kOrange = 0x4080FF;

class ShownGrid {
public:
    ShownGrid(int width = 300, int height = 200)
    {
        grid = new TDataGrid(&window);
        other = new QLineEdit(&window);
        grid->setGeometry(0, 0, width, height);
        other->setGeometry(0, height, width, 20);
        window.resize(width, height + 20);
        grid->SetBorderStyle(bsNone);
        grid->SetOptions(goGrid | goHeader | goSelectFullRow);
        grid->SetGridLinesStyle(lsActiveRows);
        grid->SetGridLinesColor(kOrange);
        grid->SetHeaderStyle(hsFlatBorders);
        for (int w : {50, 60, 70})
            grid->Columns().Add<TDgTextColumn>()->SetWidth(w);
        window.show();
        window.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&window);
        grid->setFocus();
        QCoreApplication::processEvents();
    }

    QImage Shot() const { return grid->viewport()->grab().toImage(); }
    QWidget* View() const { return grid->viewport(); }
    // The pixel colour as a TColor.
    TColor At(const QImage& image, int x, int y) const { return QColorToColor(image.pixelColor(x, y)); }

    QWidget window;
    TDataGrid* grid = nullptr;
    QLineEdit* other = nullptr;
};
