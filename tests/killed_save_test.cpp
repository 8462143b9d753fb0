// A profile save cut short by killing its process leaves the old file or the new one, whole.
// Windows only: the saver is this program started again and ended by TerminateProcess (the
// Linux suite covers its replacement with processes of fork()).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/file/file.h"
#include "platform/zenkor/ini_file.h"
#include "platform/zenkor/profile.h"
#include "tests/support/mask_harness.h"

namespace {

using testing_support::TempHome;

constexpr std::size_t kValueBytes = 200000;  // a save takes a while
constexpr const char* kSaverVariable = "FAREWRIGHT_SAVER_HOME";

bool save(char letter) {
    CZenkorProfile profile;
    profile.setIniFile("Quorvex.ini");
    profile.setSectionName("SAVED");
    profile.setKeyName("VALUE");
    return profile.setValue(std::string(kValueBytes, letter).c_str()) == 1 && profile.commit();
}

// The saver: runs only when started by the test below, and saves until it is killed.
TEST(KilledSave, Saver) {
    const char* home = std::getenv(kSaverVariable);
    if (home == nullptr)
        GTEST_SKIP() << "started only by KilledSave.LeavesTheOldOrTheNewFile";
    file::setHomeDirectory(home);
    for (char letter = 'B';; letter = letter == 'B' ? 'C' : 'B')
        save(letter);
}

TEST(KilledSave, LeavesTheOldOrTheNewFile) {
    TempHome home;
    ASSERT_TRUE(save('A'));
    wchar_t program[MAX_PATH];
    ASSERT_NE(GetModuleFileNameW(nullptr, program, MAX_PATH), 0u);
    std::wstring commandLine =
        L"\"" + std::wstring(program) + L"\" --gtest_filter=KilledSave.Saver";
    ASSERT_EQ(_putenv_s(kSaverVariable, home.path().string().c_str()), 0);
    for (DWORD delayMs : {30u, 120u, 400u}) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process));
        Sleep(delayMs);
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);

        const zenkor::IniFile saved(home.read("Quorvex.ini"));
        const auto value = saved.find("SAVED", "VALUE");
        ASSERT_TRUE(value.has_value()) << "after " << delayMs << " ms";
        ASSERT_EQ(value->size(), kValueBytes) << "after " << delayMs << " ms";
        EXPECT_EQ(value->find_first_not_of(value->front()), std::string::npos);
    }
    _putenv_s(kSaverVariable, "");
}

}  // namespace
