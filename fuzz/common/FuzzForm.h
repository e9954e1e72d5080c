#pragma once
// One logged-out main window shared by all runs of a target. Its service is a
// closed loopback port, so the logo requests of the statistics view fail at
// once instead of leaving the machine.
#include "app/Unit1.h"
#include "fuzz/common/FuzzApp.h"

inline TForm1& FuzzForm()
{
    static TForm1* form = [] {
        EnsureFuzzApplication();
        auto* f = new TForm1(TServiceUrls("127.0.0.1:1", "127.0.0.1:1"));
        f->PlaySound = [](std::string_view) {};
        return f;
    }();
    return *form;
}
