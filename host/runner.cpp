#include "host/runner.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>

#include "framework/profile_names.h"
#include "framework/shared_settings.h"
#include "host/control_name.h"
#include "host/event_sink.h"
#include "platform/com/bstr.h"
#include "platform/file/file.h"
#include "platform/text/codepage.h"
#include "platform/ui/headless/headless_dialog.h"
#include "platform/ui/headless/headless_toolkit.h"
#include "platform/zenkor/arch.h"
#include "platform/zenkor/ini_file.h"
#include "platform/zenkor/profile.h"
#include "server/create_by_name.h"

namespace host {
namespace {

using ui::headless::HeadlessDialog;
using ui::headless::headlessToolkit;

// The main form of each mask class (the first dialog a control name without "DIALOG:" means).
struct MainForm {
    std::string_view coclass;
    int form;
};
constexpr std::array<MainForm, 6> kMainForms = {{
    {"Skyfolio", 104},
    {"TicketingIssuance", 110},
    {"TicketingReIssuance", 113},
    {"IssLogTkt", 116},
    {"IssManualVoidTkt", 119},
    {"IssBSPDamagedTkt", 124},
}};

struct KeyName {
    std::string_view name;
    ui::Key key;
};
constexpr std::array<KeyName, 5> kKeys = {{
    {"enter", ui::Key::Enter},
    {"alt+up", ui::Key::AltUp},
    {"f1", ui::Key::F1},
    {"space", ui::Key::Space},
    {"tab", ui::Key::Tab},
}};

std::optional<long> wholeNumber(std::string_view text) {
    long value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

// A script argument as text of the system code page.
std::string ansi(const ScriptCommand& c, std::size_t i) {
    return text::fromUtf16(c.arguments[i], text::systemCodePage());
}

}  // namespace

Runner::Runner(ScriptReader& reader, Transcript& transcript)
    : reader_(reader), transcript_(transcript) {
    headlessToolkit().setInputPump([this] { return step(); });
}

Runner::~Runner() {
    destroy();
    headlessToolkit().setInputPump({});
}

bool Runner::run() {
    while (step()) {
    }
    return !reader_.error().has_value();
}

bool Runner::step() {
    if (stopped_)
        return false;
    std::optional<ScriptCommand> command = reader_.next();
    if (!command) {
        stopped_ = true;
        return false;
    }
    std::string why = execute(*command);
    if (why.empty())
        why = transcript_.faulted() ? "the mask reported a fault" : "";
    if (!why.empty() && reader_.fail(command->line, why)) {
        stopped_ = true;
        return false;
    }
    headlessToolkit().dispatchPosted();
    return true;
}

std::string Runner::execute(const ScriptCommand& command) {
    if (auto why = checkArguments(command))
        return *why;
    const CommandInfo* info = findCommand(command.word);
    if (info->needsMask && !mask_ && command.word != "create")
        return "no mask: `create` one first";
    switch (info->group) {
        case CommandGroup::Setup:
            return setup(command);
        case CommandGroup::Mask:
            return mask(command);
        case CommandGroup::Agent:
            return agent(command);
        case CommandGroup::Query:
            return query(command);
    }
    return "unknown command";
}

std::string Runner::setup(const ScriptCommand& c) {
    if (c.word == "ini") {
        // "ZenkorMain.ini" is written where the masks will look for it.
        std::string path = ansi(c, 0);
        if (path == framework::kZenkorMainIni) {
            framework::LoadSharedSettings();
            path = framework::ZenkorMainPath();
        }
        const std::string section = ansi(c, 1);
        const std::string key = ansi(c, 2);
        const std::string value = ansi(c, 3);
        CZenkorProfile profile;
        profile.setIniFile(path.c_str());
        profile.setSectionName(section.c_str());
        profile.setKeyName(key.c_str());
        profile.setValue(value.c_str());
        return profile.commit() ? "" : "cannot write " + c.argumentUtf8(0);
    }
    if (c.word == "file") {
        const std::filesystem::path path = file::resolve(c.argumentUtf8(0));
        std::error_code ec;
        if (path.has_parent_path())
            std::filesystem::create_directories(path.parent_path(), ec);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << c.argumentUtf8(1);
        return out ? "" : "cannot write " + path.string();
    }
    // queue KEY VALUE
    const std::string key = ansi(c, 0);
    const std::string value = ansi(c, 1);
    return Q_pushString("QUORVEX", key.c_str(), value.c_str()) ? "" : "cannot write the queue";
}

std::string Runner::create(const std::string& coclass) {
    if (mask_)
        return "a mask is already created: `destroy` it first";
    const auto form = std::find_if(kMainForms.begin(), kMainForms.end(),
                                   [&](const MainForm& f) { return f.coclass == coclass; });
    if (form == kMainForms.end())
        return "unknown class `" + coclass + "`";
    com::Ptr<framework::IZenkorMask> mask;
    const HRESULT hr =
        server::CreateMaskByName(coclass, IID_IDispatch, reinterpret_cast<void**>(mask.out()));
    if (FAILED(hr) || !mask)
        return "class `" + coclass + "` is not available";
    mask_ = mask;
    mainForm_ = form->form;
    sink_ = std::make_unique<EventSinkConnection>(
        mask_.get(), coclass, [this](const std::string& line) { transcript_.line(line); });
    if (auto view = mask_.as<framework::IZenkorMaskView>(framework::IID_IZenkorMaskView)) {
        view->Activate();
    }
    return "";
}

void Runner::destroy() {
    if (!mask_)
        return;
    sink_.reset();
    if (auto view = mask_.as<framework::IZenkorMaskView>(framework::IID_IZenkorMaskView)) {
        view->Deactivate();
    }
    mask_.reset();
    mainForm_ = 0;
}

std::string Runner::mask(const ScriptCommand& c) {
    if (c.word == "create")
        return create(c.argumentUtf8(0));
    if (c.word == "destroy") {
        destroy();
        return "";
    }
    if (c.word == "getlang") {
        com::Bstr lang;
        mask_->get_Lang(lang.out());
        transcript_.line("lang " + text::fromUtf16(lang.view(), text::kUtf8));
        return "";
    }
    const com::Bstr argument(c.arguments[0]);
    if (c.word == "lang")
        mask_->put_Lang(argument.get());
    if (c.word == "initfield")
        mask_->initField(argument.get());
    if (c.word == "initparam")
        mask_->initParam(argument.get());
    if (c.word == "response")
        mask_->SetResponse(argument.get());
    return "";
}

std::string Runner::agent(const ScriptCommand& c) {
    auto& toolkit = headlessToolkit();
    if (c.word == "choose") {
        toolkit.queueEncoderAnswer(ansi(c, 0), c.arguments.size() > 1 ? ansi(c, 1) : "");
        return "";
    }
    if (c.word == "pickdate") {
        std::array<long, 3> date{};
        for (std::size_t i = 0; i < date.size(); ++i) {
            const auto n = wholeNumber(c.argumentUtf8(i));
            if (!n || *n < -32768 || *n > 32767)
                return "`pickdate` takes three numbers";
            date[i] = *n;
        }
        toolkit.queueDate(static_cast<int>(date[0]), static_cast<int>(date[1]),
                          static_cast<int>(date[2]));
        return "";
    }
    const auto name = parseControlName(c.argumentUtf8(0));
    if (!name)
        return "`" + c.argumentUtf8(0) + "` is not a control";
    HeadlessDialog* dialog = toolkit.findDialog(name->dialog == 0 ? mainForm_ : name->dialog);
    if (dialog == nullptr)
        return "no dialog for `" + c.argumentUtf8(0) + "`";
    const ui::ControlId id = name->control;
    if (c.word == "type")
        return dialog->typeText(id, ansi(c, 1));
    if (c.word == "click")
        return dialog->click(id);
    if (c.word == "dblclick")
        return dialog->doubleClick(id);
    if (c.word == "key") {
        const std::string keyName = c.argumentUtf8(1);
        for (const KeyName& k : kKeys) {
            if (k.name == keyName)
                return dialog->key(id, k.key);
        }
        return "unknown key `" + keyName + "`";
    }
    if (c.word == "select") {
        const auto code = wholeNumber(c.argumentUtf8(1));
        if (!code)
            return "`" + c.argumentUtf8(1) + "` is not an item code";
        return dialog->selectCode(id, *code);
    }
    // pick CONTROL INDEX...
    std::vector<int> positions;
    for (std::size_t i = 1; i < c.arguments.size(); ++i) {
        const auto n = wholeNumber(c.argumentUtf8(i));
        if (!n || *n < 0 || *n > 1000000)
            return "`" + c.argumentUtf8(i) + "` is not a position";
        positions.push_back(static_cast<int>(*n));
    }
    return dialog->pick(id, positions);
}

std::string Runner::query(const ScriptCommand& c) {
    auto& toolkit = headlessToolkit();
    if (c.word == "focus") {
        const auto focus = toolkit.focus();
        if (!focus) {
            transcript_.line("focus none");
        } else if (focus->dialog->templateId() == mainForm_) {
            transcript_.line("focus " + std::to_string(focus->control));
        } else {
            transcript_.line("focus " + std::to_string(focus->dialog->templateId()) + ":" +
                             std::to_string(focus->control));
        }
        return "";
    }
    if (c.word == "dialogs") {
        std::vector<HeadlessDialog*> dialogs = toolkit.dialogs();
        std::stable_partition(dialogs.begin(), dialogs.end(),
                              [this](HeadlessDialog* d) { return d->templateId() == mainForm_; });
        for (HeadlessDialog* d : dialogs) {
            transcript_.line("dialog " + std::to_string(d->templateId()) + " visible " +
                             (d->isWindowVisible() ? "1" : "0") + " enabled " +
                             (d->isWindowEnabled() ? "1" : "0"));
        }
        return "";
    }
    if (c.word == "profile") {
        const std::string section = ansi(c, 0);
        const zenkor::IniFile ini(
            file::readWholeFile(file::resolve(framework::kQuorvexIni)).content);
        for (const auto& [key, value] : ini.entries(section)) {
            transcript_.line("profile ", key + "=" + value);
        }
        return "";
    }
    // dump CONTROL
    const auto name = parseControlName(c.argumentUtf8(0));
    if (!name)
        return "`" + c.argumentUtf8(0) + "` is not a control";
    HeadlessDialog* dialog = toolkit.findDialog(name->dialog == 0 ? mainForm_ : name->dialog);
    if (dialog == nullptr || !dialog->hasControl(name->control)) {
        return "no control `" + c.argumentUtf8(0) + "`";
    }
    for (const std::string& property : dialog->dump(name->control)) {
        transcript_.line(c.argumentUtf8(0) + " ", property);
    }
    return "";
}

}  // namespace host
