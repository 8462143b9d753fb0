// A save pass of a large mask: 300 keys into a profile of about 100 KB that other masks share.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/file/file.h"
#include "platform/zenkor/profile.h"

namespace {

constexpr int kKeys = 300;

// A home directory holding a profile of about 100 KB: twenty sections of other forms.
class ProfileHome {
  public:
    ProfileHome() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "farewright-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
        file::setHomeDirectory(path_.string());
        std::string content;
        for (int section = 0; content.size() < 100 * 1024; ++section) {
            content += "[TKT_FORM_" + std::to_string(section) + "_SECTION]\n";
            for (int key = 0; key < 150; ++key) {
                content += "FIELD_" + std::to_string(key) + "=VALUE " + std::to_string(key) + "\n";
            }
        }
        std::ofstream(path_ / "Quorvex.ini", std::ios::binary) << content;
    }
    ~ProfileHome() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ProfileHome(const ProfileHome&) = delete;
    ProfileHome& operator=(const ProfileHome&) = delete;

  private:
    std::filesystem::path path_;
};

void BM_ProfileSavePass(benchmark::State& state) {
    ProfileHome home;
    std::vector<std::string> keys;
    for (int i = 0; i < kKeys; ++i)
        keys.push_back("TKT_FIELD_" + std::to_string(i));
    int round = 0;
    for (auto _ : state) {
        // Each pass writes other values, so that every pass really replaces the file.
        const std::string value = "FIELD TEXT " + std::to_string(++round);
        CZenkorProfile profile;
        profile.setIniFile("Quorvex.ini");
        profile.setSectionName("TKT_MAIN_SECTION");
        for (const std::string& key : keys) {
            profile.setKeyName(key.c_str());
            profile.setValue(value.c_str());
        }
        if (!profile.commit())
            state.SkipWithError("the profile could not be saved");
    }
}
BENCHMARK(BM_ProfileSavePass)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
