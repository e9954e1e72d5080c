// The program as a screen reader meets it: the real program on a private X
// server, session bus and accessibility bus, read from outside its process
// through AT-SPI, the way Orca or an automation tool reads it.
#include "tests/support/ChildProcess.h"

#include <atspi/atspi.h>
#include <dbus/dbus.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct TUnref {
    void operator()(gpointer p) const { g_object_unref(p); }
};
using TAccessible = std::unique_ptr<AtspiAccessible, TUnref>;

std::string Take(gchar* s)
{
    std::string out = s ? s : "";
    g_free(s);
    return out;
}

std::string NameOf(AtspiAccessible* a)
{
    return Take(atspi_accessible_get_name(a, nullptr));
}

// True once `name` has an owner on the bus at `address`.
bool WaitForBusName(const std::string& address, const char* name, std::chrono::milliseconds limit)
{
    DBusError error;
    dbus_error_init(&error);
    DBusConnection* bus = dbus_connection_open_private(address.c_str(), &error);
    bool owned = false;
    if (bus && dbus_bus_register(bus, &error)) {
        for (const auto end = Clock::now() + limit; !owned && Clock::now() < end;) {
            owned = dbus_bus_name_has_owner(bus, name, nullptr);
            if (!owned)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    if (bus) {
        dbus_connection_close(bus);
        dbus_connection_unref(bus);
    }
    dbus_error_free(&error);
    return owned;
}

// Depth first below `root`, tables not entered (their cells are many and read by
// the table interface). `visit` returns true to stop at a node.
TAccessible Find(AtspiAccessible* root, const std::function<bool(AtspiAccessible*)>& visit, int depth = 0)
{
    const int count = atspi_accessible_get_child_count(root, nullptr);
    for (int i = 0; i < count && depth < 40; ++i) {
        TAccessible child(atspi_accessible_get_child_at_index(root, i, nullptr));
        if (!child)
            continue;
        if (visit(child.get()))
            return child;
        if (atspi_accessible_get_role(child.get(), nullptr) == ATSPI_ROLE_TABLE)
            continue;
        if (TAccessible found = Find(child.get(), visit, depth + 1))
            return found;
    }
    return nullptr;
}

// Any role when `role` is ATSPI_ROLE_INVALID.
TAccessible FindNamed(AtspiAccessible* root, AtspiRole role, const std::string& name)
{
    return Find(root, [&](AtspiAccessible* a) {
        return NameOf(a) == name && (role == ATSPI_ROLE_INVALID || atspi_accessible_get_role(a, nullptr) == role);
    });
}

// Names the program announced changing, as a reader hears them.
std::vector<std::string> announcedNames;

void HearNameChange(const AtspiEvent* event)
{
    if (event->source)
        announcedNames.push_back(NameOf(event->source));
}

// One session for the whole suite: the servers, then the program, then the reader.
class AtspiSession : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = fs::temp_directory_path() / ("hoopline-atspi-" + std::to_string(getpid()));
        fs::create_directories(folder_ / "data");
        fs::create_directories(folder_ / "runtime");
        fs::permissions(folder_ / "runtime", fs::perms::owner_all);
        std::ofstream(folder_ / "data" / "log.log", std::ios::binary) << "demo\r\ndemo\r\n";

        // A server that announced itself but takes no connection is replaced.
        for (int attempt = 0; attempt < 3 && display_.empty(); ++attempt) {
            delete xvfb_;
            xvfb_ = new TChildProcess(XvfbCommand(), {}, true);
            if (!xvfb_->Line().empty() && DisplayAnswers(xvfb_->Line()))
                display_ = ":" + xvfb_->Line();
        }
        if (display_.empty())
            return Fail("Xvfb did not start");
        const std::string config = "--config-file=/usr/share/dbus-1/session.conf";
        bus_ = new TChildProcess({"dbus-daemon", config, "--nofork", "--print-address={fd}"});
        if (bus_->Line().empty())
            return Fail("the session bus did not start");
        busAddress_ = bus_->Line();

        const std::vector<std::string> env = Environment();
        launcher_ = new TChildProcess({"/usr/libexec/at-spi-bus-launcher", "--launch-immediately"}, env);
        if (!WaitForBusName(busAddress_, "org.a11y.Bus", std::chrono::seconds(20)))
            return Fail("the accessibility bus launcher did not start");

        // The reader joins the same buses.
        for (const std::string& e : env)
            putenv(strdup(e.c_str()));
        if (atspi_init() > 1)
            return Fail("the reader could not reach the accessibility bus");
        atspi_set_timeout(20000, 20000);
        listener_ = atspi_event_listener_new_simple(HearNameChange, nullptr);
        atspi_event_listener_register(listener_, "object:property-change:accessible-name", nullptr);

        std::vector<std::string> programEnv = env;
        programEnv.push_back("QT_QPA_PLATFORM=xcb");
        programEnv.push_back("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1");
        programEnv_ = programEnv;
        StartProgram();
    }

    static void StartProgram()
    {
        delete program_;
        program_ = new TChildProcess({HOOPLINE_PROGRAM, "--demo", "--no-notifications", "--data-dir",
                                      (folder_ / "data").string()},
                                     programEnv_);
    }

    static void TearDownTestSuite()
    {
        if (listener_) {
            atspi_event_listener_deregister(listener_, "object:property-change:accessible-name", nullptr);
            g_object_unref(listener_);
        }
        // The program first: it leaves the buses before they go.
        for (TChildProcess* p : {program_, launcher_, bus_, xvfb_})
            delete p;
        program_ = launcher_ = bus_ = xvfb_ = nullptr;
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    void SetUp() override
    {
        if (!setupError_.empty())
            GTEST_FAIL() << setupError_;
    }

    static void Fail(const std::string& why) { setupError_ = why; }

    static std::vector<std::string> Environment()
    {
        const std::string home = folder_.string();
        return {"DISPLAY=" + display_,
                "DBUS_SESSION_BUS_ADDRESS=" + busAddress_,
                "XDG_RUNTIME_DIR=" + home + "/runtime",
                "HOME=" + home,
                "XDG_CONFIG_HOME=" + home + "/config",
                "XDG_DATA_HOME=" + home + "/share",
                "XDG_CACHE_HOME=" + home + "/cache"};
    }

    // Lets reader events arrive until `done` holds; false when the program ended or time ran out.
    static bool WaitFor(const std::function<bool()>& done, std::chrono::seconds limit = std::chrono::seconds(30))
    {
        for (const auto end = Clock::now() + limit; Clock::now() < end;) {
            while (g_main_context_iteration(nullptr, FALSE)) {
            }
            if (done())
                return true;
            if (!program_->Running())
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }

    static std::string ProgramState()
    {
        return program_->Running() ? "the program runs" : "the program ended: " + program_->Ending();
    }

    // The program as the reader's desktop lists it.
    static TAccessible Application()
    {
        TAccessible app = FindApplication();
        // One more start when the first could not reach the display: that is the
        // shared machine, not the program.
        if (!app && !program_->Running() && !restarted_) {
            std::fprintf(stderr, "atspi_tests: starting the program again; %s\n", ProgramState().c_str());
            restarted_ = true;
            StartProgram();
            app = FindApplication();
        }
        return app;
    }

    static TAccessible FindApplication()
    {
        TAccessible app;
        WaitFor([&] {
            TAccessible desktop(atspi_get_desktop(0));
            const int count = atspi_accessible_get_child_count(desktop.get(), nullptr);
            for (int i = 0; i < count && !app; ++i) {
                app.reset(atspi_accessible_get_child_at_index(desktop.get(), i, nullptr));
                if (app && NameOf(app.get()) != "Hoopline")
                    app.reset();
            }
            return app != nullptr;
        });
        return app;
    }

    static TAccessible WaitForNamed(AtspiRole role, const std::string& name)
    {
        TAccessible app = Application();
        TAccessible found;
        if (app)
            WaitFor([&] { return (found = FindNamed(app.get(), role, name)) != nullptr; });
        return found;
    }

    static inline fs::path folder_;
    static inline std::string display_;
    static inline std::string busAddress_;
    static inline std::string setupError_;
    static inline TChildProcess* xvfb_ = nullptr;
    static inline TChildProcess* bus_ = nullptr;
    static inline TChildProcess* launcher_ = nullptr;
    static inline TChildProcess* program_ = nullptr;
    static inline std::vector<std::string> programEnv_;
    static inline bool restarted_ = false;
    static inline AtspiEventListener* listener_ = nullptr;
};

// The first of `count` entries whose name is `wanted`.
std::optional<int> IndexNamed(int count, const std::function<gchar*(int)>& nameAt, const std::string& wanted)
{
    for (int i = 0; i < count; ++i) {
        if (Take(nameAt(i)) == wanted)
            return i;
    }
    return std::nullopt;
}

std::optional<int> ActionIndex(AtspiAction* action, const std::string& name)
{
    return IndexNamed(atspi_action_get_n_actions(action, nullptr),
                      [&](int i) { return atspi_action_get_action_name(action, i, nullptr); }, name);
}

std::optional<int> ColumnNamed(AtspiTable* table, const std::string& header)
{
    return IndexNamed(atspi_table_get_n_columns(table, nullptr),
                      [&](int c) { return atspi_table_get_column_description(table, c, nullptr); }, header);
}

// In order: the cases share one program, logged out until the second logs in.
TEST_F(AtspiSession, TheLoginButtonIsAPushButtonWithAPressAction)
{
    TAccessible app = Application();
    ASSERT_TRUE(app) << "no application named Hoopline on the accessibility bus; " << ProgramState();
    TAccessible login = WaitForNamed(ATSPI_ROLE_PUSH_BUTTON, "LOGIN");
    ASSERT_TRUE(login) << "no push button named LOGIN; " << ProgramState();
    AtspiAction* action = atspi_accessible_get_action_iface(login.get());
    ASSERT_NE(action, nullptr) << "LOGIN offers no actions";
    EXPECT_TRUE(ActionIndex(action, "Press").has_value());
    g_object_unref(action);
}

TEST_F(AtspiSession, AfterLoggingInTheStatsListTellsItsCellsAndTheLabelsTheirChanges)
{
    TAccessible login = WaitForNamed(ATSPI_ROLE_PUSH_BUTTON, "LOGIN");
    ASSERT_TRUE(login) << ProgramState();
    AtspiAction* action = atspi_accessible_get_action_iface(login.get());
    ASSERT_NE(action, nullptr);
    const std::optional<int> press = ActionIndex(action, "Press");
    ASSERT_TRUE(press.has_value());
    GError* error = nullptr;
    atspi_action_do_action(action, *press, &error);
    g_object_unref(action);
    ASSERT_EQ(error, nullptr) << "pressing LOGIN failed: " << error->message;

    TAccessible list = WaitForNamed(ATSPI_ROLE_TABLE, "Upcoming matches");
    ASSERT_TRUE(list) << "no table named Upcoming matches; " << ProgramState();
    AtspiTable* table = atspi_accessible_get_table_iface(list.get());
    ASSERT_NE(table, nullptr);
    int rows = 0;
    EXPECT_TRUE(WaitFor([&] { return (rows = atspi_table_get_n_rows(table, nullptr)) > 0; }))
        << "the list stayed empty; " << ProgramState();
    const std::optional<int> home = ColumnNamed(table, "HOME");
    ASSERT_TRUE(home.has_value()) << "no HOME column";
    TAccessible cell(atspi_table_get_accessible_at(table, 0, *home, nullptr));
    g_object_unref(table);
    ASSERT_TRUE(cell);
    EXPECT_EQ(atspi_accessible_get_role(cell.get(), nullptr), ATSPI_ROLE_TABLE_CELL);
    const std::string team = NameOf(cell.get());
    EXPECT_FALSE(team.empty()) << "the first home team is not told";

    // The count beside the list says as many, and the countdown is heard ticking.
    const std::string count = "Count: " + std::to_string(rows);
    EXPECT_TRUE(WaitForNamed(ATSPI_ROLE_INVALID, count)) << "nothing reads " << count;
    const auto heard = [](const std::string& prefix) {
        for (const std::string& name : announcedNames)
            if (name.rfind(prefix, 0) == 0)
                return true;
        return false;
    };
    EXPECT_TRUE(WaitFor([&] { return heard("Refresh from "); }, std::chrono::seconds(10)))
        << "no countdown change was announced";
    EXPECT_TRUE(heard(count)) << "the count change was not announced";
}

}  // namespace
