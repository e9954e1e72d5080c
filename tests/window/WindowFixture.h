#pragma once
// A main window against the in-process demo service, run in a temporary
// current directory (where its files go unless `folders` says otherwise), with message boxes and the shell recorded instead of shown.
#include "app/Unit1.h"
#include "demo/DemoService.h"
#include "toolkit/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldDir_ = QDir::currentPath();
        ASSERT_TRUE(dir_.isValid());
        QDir::setCurrent(dir_.path());
        // Remembered settings go to the temporary folder, never the user's own.
        for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, dir_.path());
        SetMessageHook([this](const QString& text, TMsgKind) { messages.append(text); });
        SetShellHook([this](const QString& url) { opened.append(url); });
    }

    void TearDown() override
    {
        form.reset();
        SetMessageHook({});
        SetShellHook({});
        QDir::setCurrent(oldDir_);
    }

    static void WriteFile(const QString& name, const QByteArray& bytes)
    {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static QByteArray ReadFile(const QString& name)
    {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The window pointed at `serviceHost` (the demo service unless given), shown.
    TForm1& Open(const std::string& serviceHost = {})
    {
        form = std::make_unique<TForm1>(TServiceUrls(serviceHost.empty() ? demo.Host() : serviceHost,
                                                     "www.hoopline.test"),
                                        folders);
        form->PlaySound = [](std::string_view) {};
        form->show();
        return *form;
    }

    // Types the credentials, sets the remember box and presses LOGIN, all by
    // keyboard and mouse.
    void LogIn(const QString& login, const QString& password, bool remember)
    {
        form->loginedit->clear();
        QTest::keyClicks(form->loginedit, login);
        form->passedit->SetText({});
        QTest::keyClicks(form->passedit, password);
        if (form->zap->Checked() != remember)
            QTest::mouseClick(form->zap, Qt::LeftButton);
        QTest::mouseClick(form->skSkinXFormButton1, Qt::LeftButton);
    }

    // A loopback port with nobody listening.
    static std::string ClosedPortHost()
    {
        unsigned short port;
        {
            TDemoService probe;
            port = probe.Port();
        }
        return "127.0.0.1:" + std::to_string(port);
    }

    QStringList VisibleTabs() const
    {
        QStringList captions;
        for (const TskSkinCustomTabSheet* page : form->Page->VisiblePages())
            captions.append(page->Caption());
        return captions;
    }

    TDemoService demo;
    TUserFolders folders;  // the current directory, no settings, unless a test says otherwise
    std::unique_ptr<TForm1> form;
    QStringList messages;
    QStringList opened;

private:
    QTemporaryDir dir_;
    QString oldDir_;
};
