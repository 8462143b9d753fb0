// The home directory as the setup commands use it: files written there stay there, and a home
// that cannot hold a file is told before anything is lost.
#pragma once

#include <string>
#include <string_view>

namespace host {

// The path a setup command may write: the resolved path, made absolute, when it lies inside
// the home (paths resolve as file::resolve does), else "" and the why.
std::string pathInHome(std::string_view path, std::string& why);

// `file PATH CONTENT`: creates the directories and replaces the file whole. "" or the why.
std::string writeHomeFile(std::string_view path, std::string_view content);

// `ini FILE SECTION KEY VALUE` (texts of the system code page). FILE "ZenkorMain.ini" goes where
// the masks will look for it. "" or the why.
std::string writeIniValue(std::string_view file, std::string_view section, std::string_view key,
                          std::string_view value);

// "" when a file can be made in the directory (creating it when missing), else why not.
std::string homeProblem(const std::string& dir);

// A new temporary directory, removed with all it holds on destruction.
class FreshHome {
  public:
    FreshHome();
    ~FreshHome();
    FreshHome(const FreshHome&) = delete;
    FreshHome& operator=(const FreshHome&) = delete;

    // Empty when no directory could be made.
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace host
