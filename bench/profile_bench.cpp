// A save pass of a large mask: 300 keys into a profile of about 100 KB that other masks share,
// and one key into a profile of very many small sections.
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
    explicit ProfileHome(std::string content) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "farewright-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            path_ = pattern;
        file::setHomeDirectory(path_.string());
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

// Twenty sections of other forms, about 100 KB.
std::string formsProfile() {
    std::string content;
    for (int section = 0; content.size() < 100 * 1024; ++section) {
        content += "[TKT_FORM_" + std::to_string(section) + "_SECTION]\n";
        for (int key = 0; key < 150; ++key)
            content += "FIELD_" + std::to_string(key) + "=VALUE " + std::to_string(key) + "\n";
    }
    return content;
}

void BM_ProfileSavePass(benchmark::State& state) {
    ProfileHome home(formsProfile());
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

// One key saved into a profile of state.range(0) sections of one key each (a 16 MB profile
// holds about 1.6 million): the pass must cost about a read and a write of the file.
void BM_ProfileSavePassManySections(benchmark::State& state) {
    std::string content;
    for (int section = 0; section < state.range(0); ++section)
        content += "[S" + std::to_string(section) + "]\nK=1\n";
    ProfileHome home(std::move(content));
    int round = 0;
    for (auto _ : state) {
        CZenkorProfile profile;
        profile.setIniFile("Quorvex.ini");
        profile.setSectionName("TKT_MAIN_SECTION");
        profile.setKeyName("FIELD");
        profile.setValue(std::to_string(++round).c_str());
        if (!profile.commit())
            state.SkipWithError("the profile could not be saved");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(state.range(0)) * 12);
}
BENCHMARK(BM_ProfileSavePassManySections)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
