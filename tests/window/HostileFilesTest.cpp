// The credentials file in a folder others can write to: whatever stands under
// its name is read, replaced or deleted only when it is the program's own file.
#include "WindowFixture.h"
#include "app/Credentials.h"

#include <QFileInfo>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace {

struct StartCase {
    const char* label;
    void (*make)();
    bool remembered;  // the box ticked and the login filled
    friend void PrintTo(const StartCase& c, std::ostream* os) { *os << c.label; }
};

void WriteElsewhere()
{
    QFile f("elsewhere");
    f.open(QIODevice::WriteOnly);
    f.write("stolen\r\nsecret\r\n");
}

class StartTest : public WindowTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartTest, ReadsTheSavedLoginOnlyFromARegularFile)
{
    GetParam().make();
    TForm1& f = Open();
    EXPECT_EQ(f.zap->Checked(), GetParam().remembered);
    EXPECT_EQ(f.loginedit->text(), GetParam().remembered ? "big" : "");
    EXPECT_EQ(f.Page->ActivePageIndex(), TForm1::pgAbout);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartTest,
    ::testing::Values(
        // A FIFO nobody writes to would hang the start before the window appears.
        StartCase{"fifo", [] { ASSERT_EQ(::mkfifo("log.log", 0600), 0); }, false},
        StartCase{"folder", [] { ASSERT_TRUE(QDir().mkdir("log.log")); }, false},
        StartCase{"link_to_another_file", [] { WriteElsewhere(); ASSERT_TRUE(QFile::link("elsewhere", "log.log")); }, false},
        StartCase{"link_to_dev_zero", [] { ASSERT_TRUE(QFile::link("/dev/zero", "log.log")); }, false},
        // Only the start of a huge file is read (it is sparse, so cheap to make).
        StartCase{"one_gib_file", [] {
                      QFile f("log.log");
                      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                      f.write("big\r\npw\r\n");
                      ASSERT_TRUE(f.resize(qint64(1) << 30));
                  }, true}),
    [](const auto& testCase) { return testCase.param.label; });

TEST_F(WindowTest, ForgettingDeletesALinkButNeverAFolderOrTheLinksTarget)
{
    WriteElsewhere();
    ASSERT_TRUE(QFile::link("elsewhere", "log.log"));
    TForm1& f = Open();
    LogIn("demo", "demo", false);
    ASSERT_TRUE(f.LoggedIn());
    EXPECT_FALSE(QFileInfo("log.log").isSymLink());
    EXPECT_EQ(ReadFile("elsewhere"), QByteArray("stolen\r\nsecret\r\n"));

    form.reset();
    ASSERT_TRUE(QDir().mkdir("log.log"));
    Open();
    LogIn("demo", "demo", false);
    EXPECT_TRUE(QFileInfo("log.log").isDir()) << "an empty folder of that name is no credentials file";
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("could not be deleted")) << messages[0].toStdString();
}

// The file is owner-only from its first moment: a mode changed after creation
// would leave a window in which others could open it. Seen as a change of
// attributes on any file of the folder while saving.
TEST_F(WindowTest, CredentialsFileIsCreatedOwnerOnly)
{
    const mode_t oldMask = ::umask(0);
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, ".", IN_CREATE | IN_ATTRIB), 0);
    const QString error = WriteCredentialsFile("log.log", "demo", "secret");
    ::umask(oldMask);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();

    int creates = 0, attributeChanges = 0;
    alignas(inotify_event) char events[4096];
    for (ssize_t n; (n = ::read(watch, events, sizeof events)) > 0;)
        for (char* p = events; p < events + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            creates += (e->mask & IN_CREATE) != 0;
            attributeChanges += (e->mask & IN_ATTRIB) != 0;
            p += sizeof(inotify_event) + e->len;
        }
    ::close(watch);
    EXPECT_EQ(creates, 1);
    EXPECT_EQ(attributeChanges, 0);
    struct stat st {};
    ASSERT_EQ(::stat("log.log", &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
}

} // namespace
