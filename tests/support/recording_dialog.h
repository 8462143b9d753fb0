// A dialog owner and a toolkit observer that write down every message they receive as one
// line of a shared log, for the tests of both dialog backends.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/agent.h"
#include "platform/ui/dialog.h"

namespace testing_support {

using ui::ControlId;
using ui::Key;
using ui::Notify;

inline const char* notifyName(Notify n) {
    static constexpr const char* kNames[] = {"clicked",  "dblclicked", "changed",
                                             "setfocus", "killfocus",  "selchange"};
    return kNames[static_cast<int>(n)];
}

inline const char* keyName(Key k) {
    static constexpr const char* kNames[] = {"enter", "alt+up", "f1", "space", "tab"};
    return kNames[static_cast<int>(k)];
}

class RecordingProc : public ui::DialogProc {
  public:
    explicit RecordingProc(std::vector<std::string>& log, std::string name = "")
        : log_(log), prefix_(name.empty() ? "" : name + " ") {}
    void onInitDialog(ui::Dialog&) override { log_.push_back(prefix_ + "init"); }
    void onCommand(ControlId id, Notify code) override {
        log_.push_back(prefix_ + notifyName(code) + " " + std::to_string(id));
    }
    bool preTranslateKey(ControlId focus, Key key) override {
        log_.push_back(prefix_ + "pre " + std::to_string(focus) + " " + keyName(key));
        return consumed.count(key) != 0;
    }
    void onControlKey(ControlId id, Key key) override {
        log_.push_back(prefix_ + "key " + std::to_string(id) + " " + keyName(key));
    }
    void onPrivateMessage(unsigned message) override {
        log_.push_back(prefix_ + "private " + std::to_string(message));
        if (onPrivate)
            onPrivate(message);
    }

    std::set<Key> consumed;
    std::function<void(unsigned)> onPrivate;

  private:
    std::vector<std::string>& log_;
    std::string prefix_;
};

class RecordingObserver : public ui::Observer {
  public:
    explicit RecordingObserver(std::vector<std::string>& log) : log_(log) {}
    void messageBox(std::string_view title, std::string_view text) override {
        log_.push_back("msgbox " + std::string(title) + " " + std::string(text));
    }
    void posted(unsigned message) override { log_.push_back("posted " + std::to_string(message)); }
    void chooserEncoder(std::string_view) override {}
    void chooserMonth(int) override {}
    void fault(std::string_view text) override { log_.push_back("fault " + std::string(text)); }

  private:
    std::vector<std::string>& log_;
};

}  // namespace testing_support
