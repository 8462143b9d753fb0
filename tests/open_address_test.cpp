// Opening an address: the real opener runs a stand-in xdg-open found first on PATH.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/shell/open_address.h"

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Waits for a condition that another process brings about; gives up after a generous while
// so that a fault fails the test instead of hanging it.
template <typename Condition>
bool eventually(Condition condition) {
    for (int i = 0; i < 2000 && !condition(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return condition();
}

// Puts a stand-in xdg-open first on PATH. It writes its argument count and arguments to
// "out" and its process ID to "pid".
class OpenAddressTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("farewright-open-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
        const fs::path opener = dir_ / "xdg-open";
        std::ofstream(opener) << "#!/bin/sh\n"
                                 "printf '%s|' \"$#\" \"$@\" > \"$0.tmp\"\n"
                                 "echo $$ > \"$0.pid\"\n"
                                 "mv \"$0.tmp\" \"$0.out\"\n";
        fs::permissions(opener, fs::perms::owner_all);
        savedPath_ = std::getenv("PATH") ? std::getenv("PATH") : "";
        ::setenv("PATH", (dir_.string() + ":" + savedPath_).c_str(), 1);
    }
    void TearDown() override {
        ::setenv("PATH", savedPath_.c_str(), 1);
        shell::setOpener({});
        fs::remove_all(dir_);
    }

    // What the stand-in received, once it has run; its process must then be gone entirely (not
    // left as a zombie).
    std::string received() {
        const fs::path out = dir_ / "xdg-open.out";
        EXPECT_TRUE(eventually([&] { return fs::exists(out); })) << "the opener never ran";
        const std::string text = readFile(out);
        fs::remove(out);
        const std::string pid = readFile(dir_ / "xdg-open.pid");
        const fs::path proc = "/proc/" + pid.substr(0, pid.find('\n'));
        EXPECT_TRUE(eventually([&] { return !fs::exists(proc); })) << "not reaped: " << text;
        return text;
    }

    fs::path dir_;
    std::string savedPath_;
};

TEST_F(OpenAddressTest, TheAddressReachesTheOpenerAsOneUnreadArgument) {
    for (const std::string address :
         {"http://help.example/page?a=1&b=2", "http://x/$(touch pwned);`id` 'q' \"d\" *"}) {
        shell::openAddress(address);
        EXPECT_EQ(received(), "1|" + address + "|") << address;
    }
    EXPECT_FALSE(fs::exists(dir_ / "pwned"));
}

TEST_F(OpenAddressTest, AReplacementSeesEveryAddressUnchangedUntilRemoved) {
    std::vector<std::string> seen;
    shell::setOpener([&seen](std::string_view address) { seen.emplace_back(address); });
    shell::openAddress("");
    shell::openAddress("-x http://a");
    EXPECT_EQ(seen, (std::vector<std::string>{"", "-x http://a"}));

    shell::setOpener({});
    shell::openAddress("http://back.to/real");
    EXPECT_EQ(received(), "1|http://back.to/real|");
    EXPECT_EQ(seen.size(), 2u);

    // Without an opener on PATH, opening fails quietly.
    ::setenv("PATH", dir_.string().c_str(), 1);
    fs::remove(dir_ / "xdg-open");
    shell::openAddress("http://nowhere");
}

}  // namespace
