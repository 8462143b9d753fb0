#include "host/runner.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "framework/profile_names.h"
#include "host/control_name.h"
#include "host/event_sink.h"
#include "host/form_text.h"
#include "host/help.h"
#include "host/home_files.h"
#include "host/mask_classes.h"
#include "host/suggest.h"
#include "platform/com/bstr.h"
#include "platform/file/file.h"
#include "platform/image/window_picture.h"
#include "platform/text/codepage.h"
#include "platform/ui/agent.h"
#include "platform/zenkor/arch.h"
#include "platform/zenkor/ini_file.h"
#include "platform/zenkor/log.h"
#include "server/create_by_name.h"
#include "server/entry_points.h"

namespace host {
namespace {

using ui::agentDesk;
using ui::AgentDialog;

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

bool isDate(long year, long month, long day) {
    constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > kDays[month - 1])
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month != 2 || day < 29 || leap;
}

// "User", "SYSTEM", or upper-case words joined by underscores ending in "_SECTION", as the
// masks name their sections.
bool isProfileSectionName(std::string_view name) {
    if (name == "User" || name == "SYSTEM")
        return true;
    constexpr std::string_view kEnding = "_SECTION";
    return name.size() > kEnding.size() && name.ends_with(kEnding) && name.front() != '_' &&
           name.find("__") == std::string_view::npos &&
           std::all_of(name.begin(), name.end(), [](char ch) {
               return (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_';
           });
}

std::string openDialogs(int mainForm) {
    std::string list;
    for (const AgentDialog* d : agentDesk().liveDialogs()) {
        if (d->templateId() == mainForm || d->isWindowVisible())
            list += (list.empty() ? "" : ", ") + describeDialog(d->templateId());
    }
    return list.empty() ? "none" : list;
}

}  // namespace

Runner::Runner(ScriptReader& reader, Transcript& transcript, RunnerOptions options)
    : reader_(reader), transcript_(transcript), options_(options) {
    agentDesk().setInputPump([this] { return step(); });
}

Runner::~Runner() {
    destroy();
    agentDesk().setInputPump({});
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
    if (options_.echo)
        transcript_.echo(command->text);
    const ScriptCommand* outer = current_;
    current_ = &*command;
    std::string why = execute(*command);
    current_ = outer;
    const int status = command->word == "expect" ? kExitFailedCheck : kExitScriptError;
    if (why.empty())
        why = transcript_.faulted() ? "the mask reported a fault" : "";
    if (!why.empty() && reader_.fail(command->line, why, status)) {
        stopped_ = true;
        return false;
    }
    agentDesk().dispatchPosted();
    return !stopped_;
}

void Runner::warn(std::string_view why) {
    reader_.warn(current_ != nullptr ? current_->line : reader_.lineNumber(), why);
}

void Runner::lines(const std::vector<std::string>& text) {
    for (const std::string& line : text)
        transcript_.line(line);
}

std::string Runner::execute(const ScriptCommand& command) {
    if (auto why = checkArguments(command))
        return *why;
    const CommandInfo* info = findCommand(command.word);
    if (info->needsMask && !mask_)
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
        case CommandGroup::Check:
            return check(command);
        case CommandGroup::Session:
            return session(command);
    }
    return "unknown command";
}

std::string Runner::setup(const ScriptCommand& c) {
    if (c.word == "ini")
        return writeIniValue(ansi(c, 0), ansi(c, 1), ansi(c, 2), ansi(c, 3));
    if (c.word == "file")
        return writeHomeFile(c.argumentUtf8(0), c.argumentUtf8(1));
    if (c.word == "register" || c.word == "unregister")
        return registration(c.word == "register");
    // queue KEY VALUE
    const std::string key = ansi(c, 0);
    const std::string value = ansi(c, 1);
    return Q_pushString("QUORVEX", key.c_str(), value.c_str()) ? "" : "cannot write the queue";
}

std::string Runner::registration(bool add) {
    const char* entry = add ? "DllRegisterServer" : "DllUnregisterServer";
    const HRESULT hr = add ? DllRegisterServer() : DllUnregisterServer();
    char status[16];
    std::snprintf(status, sizeof status, "0x%08X", static_cast<unsigned>(hr));
    if (FAILED(hr))
        return std::string(entry) + " failed: " + status;
    transcript_.line(std::string(entry) + " " + (hr == S_OK ? "S_OK" : status));
    return "";
}

std::string Runner::create(const std::string& coclass) {
    if (mask_)
        return "a mask is already created: `destroy` it first";
    const MaskClass* maskClass = findMaskClass(coclass);
    if (maskClass == nullptr) {
        return "unknown class `" + coclass + "`" +
               suggestionFor(coclass, maskClassNames(false), "classes");
    }
    if (!maskClass->built) {
        std::string built;
        for (std::string_view name : maskClassNames(true))
            built += (built.empty() ? "" : ", ") + std::string(name);
        return "class `" + coclass + "` is not built yet; the built classes are " + built;
    }
    com::Ptr<framework::IZenkorMask> mask;
    const HRESULT hr =
        server::CreateMaskByName(coclass, IID_IDispatch, reinterpret_cast<void**>(mask.out()));
    if (FAILED(hr) || !mask)
        return "class `" + coclass + "` is not available";
    mask_ = mask;
    mainForm_ = maskClass->mainForm;
    sink_ = std::make_unique<EventSinkConnection>(
        mask_.get(), coclass, [this](const std::string& line) { transcript_.line(line); });
    if (auto view = mask_.as<framework::IZenkorMaskView>(framework::IID_IZenkorMaskView)) {
        view->Activate();
    }
    if (options_.notices != nullptr) {
        const AgentDialog* form = agentDesk().liveDialog(mainForm_);
        *options_.notices << "created " << coclass << " on " << describeDialog(mainForm_)
                          << " with " << (form != nullptr ? form->controlStates().size() : 0)
                          << " controls: `controls` lists them, `draw` shows the form\n";
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
        std::string line = "lang ";
        zenkor::appendEscaped(line, text::fromUtf16(lang.view(), text::kUtf8));
        transcript_.line(line);
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

std::string Runner::target(const ScriptCommand& c, std::size_t i, Target& found) {
    const std::string text = c.argumentUtf8(i);
    const ControlNameParse parse = parseControlName(text, mainForm_);
    if (!parse.name)
        return parse.error;
    const int dialogId = parse.name->dialog == 0 ? mainForm_ : parse.name->dialog;
    AgentDialog* dialog = agentDesk().liveDialog(dialogId);
    if (dialog == nullptr) {
        return describeDialog(dialogId) + " is not open; the open dialogs are " +
               openDialogs(mainForm_);
    }
    if (!dialog->hasControl(parse.name->control)) {
        return "no control " + std::to_string(parse.name->control) + " on " +
               describeDialog(dialogId) + " (`controls " + std::to_string(dialogId) +
               "` lists them)";
    }
    found.dialog = dialog;
    found.control = parse.name->control;
    found.name = describeControl(dialogId, found.control);
    return "";
}

void Runner::warnAgent(const ScriptCommand& c, const Target& t) {
    const AgentDialog& d = *t.dialog;
    if (c.word == "type" && d.kind(t.control) != ui::ControlKind::Edit)
        return;  // refused as a script error
    const char* state = !d.isWindowEnabled()      ? "in a disabled dialog"
                        : !d.isVisible(t.control) ? "hidden"
                        : !d.isEnabled(t.control) ? "disabled"
                                                  : nullptr;
    if (state != nullptr) {
        warn(t.name + " is " + state + ": `" + c.word + "` does nothing there");
        return;
    }
    if (c.word != "type")
        return;
    std::string typed = ansi(c, 1);
    if (const auto lineEnd = typed.find_first_of("\r\n"); lineEnd != std::string::npos) {
        warn("the text holds a line break: only its first line reaches " + t.name);
        typed.resize(lineEnd);
    }
    for (const auto& control : d.controlStates()) {
        if (control.id == t.control && control.limit > 0 &&
            typed.size() > static_cast<std::size_t>(control.limit)) {
            warn("the text is cut to " + quoted(ansiToUtf8(typed.substr(0, control.limit))) +
                 " at the limit of " + std::to_string(control.limit) + " of " + t.name);
        }
    }
}

std::string Runner::agent(const ScriptCommand& c) {
    ui::ChooserAnswers& answers = agentDesk().answers();
    if (c.word == "choose") {
        answers.queueEncoder(ansi(c, 0), c.arguments.size() > 1 ? ansi(c, 1) : "");
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
        if (!isDate(date[0], date[1], date[2])) {
            warn(std::to_string(date[0]) + " " + std::to_string(date[1]) + " " +
                 std::to_string(date[2]) + " is not a date of the calendar (YEAR MONTH DAY)");
        }
        answers.queueDate(static_cast<int>(date[0]), static_cast<int>(date[1]),
                          static_cast<int>(date[2]));
        return "";
    }
    Target t;
    if (std::string why = target(c, 0, t); !why.empty())
        return why;
    AgentDialog* dialog = t.dialog;
    const ui::ControlId id = t.control;
    if (c.word == "key") {
        const std::string keyName = c.argumentUtf8(1);
        for (const KeyName& k : keyTable()) {
            if (k.name == keyName) {
                warnAgent(c, t);
                return dialog->key(id, k.key);
            }
        }
        std::vector<std::string_view> names;
        for (const KeyName& k : keyTable())
            names.push_back(k.name);
        return "unknown key `" + keyName + "`" + suggestionFor(keyName, names, "keys");
    }
    warnAgent(c, t);
    if (c.word == "type")
        return dialog->typeText(id, ansi(c, 1));
    if (c.word == "click")
        return dialog->click(id);
    if (c.word == "dblclick")
        return dialog->doubleClick(id);
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

int Runner::dialogArgument(const ScriptCommand& c, std::string& why) {
    if (c.arguments.empty()) {
        if (mainForm_ == 0)
            why = "no mask: `create` one first, or name a dialog";
        return mainForm_;
    }
    const auto dialog = parseDialogName(c.argumentUtf8(0), why);
    return dialog.value_or(0);
}

std::string Runner::query(const ScriptCommand& c) {
    ui::AgentDesk& desk = agentDesk();
    if (c.word == "focus") {
        const auto focus = desk.agentFocus();
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
        std::vector<AgentDialog*> dialogs = desk.liveDialogs();
        std::stable_partition(dialogs.begin(), dialogs.end(),
                              [this](AgentDialog* d) { return d->templateId() == mainForm_; });
        for (AgentDialog* d : dialogs) {
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
        const auto entries = ini.entries(section);
        for (const auto& [key, value] : entries) {
            transcript_.line("profile ", key + "=" + value);
        }
        const std::vector<std::string> sections = ini.sectionNames();
        const std::vector<std::string_view> names(sections.begin(), sections.end());
        // A section not saved yet is no mistake; a name no mask would use, or a near miss of a
        // section the file has, likely is.
        if (entries.empty() &&
            (!isProfileSectionName(section) || !nearestNames(section, names).empty())) {
            warn("Quorvex.ini has no section `" + c.argumentUtf8(0) + "`" +
                 suggestionFor(c.argumentUtf8(0), names, "sections"));
        }
        return "";
    }
    if (c.word == "picture") {
        const AgentDialog* form = desk.liveDialog(mainForm_);
        if (form == nullptr)
            return "no form to take a picture of";
        return image::savePicture(form->nativeWindow(), c.argumentUtf8(0));
    }
    if (c.word == "controls" || c.word == "draw") {
        std::string why;
        const int dialog = dialogArgument(c, why);
        if (!why.empty())
            return why;
        const std::optional<FormView> form = viewOf(dialog);
        if (!form)
            return "no template for " + describeDialog(dialog);
        lines(c.word == "controls" ? controlTable(*form) : drawForm(*form));
        return "";
    }
    // dump CONTROL
    Target t;
    if (std::string why = target(c, 0, t); !why.empty())
        return why;
    for (const std::string& property : t.dialog->dump(t.control)) {
        transcript_.line(c.argumentUtf8(0) + " ", property);
    }
    return "";
}

std::string Runner::check(const ScriptCommand& c) {
    // expect TEXT | expect CONTROL TEXT
    const std::string expected = c.argumentUtf8(c.arguments.size() - 1);
    std::string actual;
    std::string what;
    if (c.arguments.size() == 2) {
        Target t;
        if (std::string why = target(c, 0, t); !why.empty())
            return why;
        actual = printable(t.dialog->text(t.control));
        what = "the text of " + t.name;
    } else if (transcript_.lastLine()) {
        actual = *transcript_.lastLine();
        what = "the last line";
    } else {
        return "expected " + quoted(expected) + ", but nothing was printed";
    }
    if (actual == expected)
        return "";
    return "expected " + quoted(expected) + ", but " + what + " is " + quoted(actual);
}

std::string Runner::session(const ScriptCommand& c) {
    if (c.word == "quit") {
        reader_.end();
        stopped_ = true;
        return "";
    }
    if (c.arguments.empty()) {
        lines(commandHelp());
        return "";
    }
    const std::string topic = c.argumentUtf8(0);
    const auto help = commandHelp(topic);
    if (!help)
        return unknownCommand(topic);
    lines(*help);
    return "";
}

}  // namespace host
