#include "host/transcript.h"

#include <iostream>

#include "platform/shell/open_address.h"
#include "platform/text/codepage.h"

namespace host {

std::string ansiToUtf8(std::string_view ansi) {
    return text::fromUtf16(text::fromAnsi(ansi), text::kUtf8);
}

std::string printable(std::string_view ansi) {
    std::string line;
    zenkor::appendEscaped(line, ansiToUtf8(ansi));
    return line;
}

Transcript::Transcript(std::ostream& out)
    : Transcript([&out](std::string_view text) {
          out << text << '\n';
          out.flush();
      }) {}

Transcript::Transcript(LineSink sink) : sink_(std::move(sink)) {
    ui::agentDesk().setObserver(this);
    zenkor::setLogObserver(this);
    shell::setOpener([this](std::string_view address) { line("open ", address); });
}

Transcript::~Transcript() {
    shell::setOpener({});
    zenkor::setLogObserver(nullptr);
    ui::agentDesk().setObserver(nullptr);
}

void Transcript::line(std::string_view utf8) {
    lastLine_ = std::string(utf8);
    sink_(utf8);
}

void Transcript::line(std::string_view head, std::string_view ansiText) {
    line(std::string(head) + printable(ansiText));
}

void Transcript::echo(std::string_view commandText) {
    sink_("> " + std::string(commandText));
}

void Transcript::messageBox(std::string_view title, std::string_view text) {
    line("msgbox [" + printable(title) + "] ", text);
}

void Transcript::posted(unsigned message) {
    line("posted " + std::to_string(message));
}

void Transcript::chooserEncoder(std::string_view list) {
    line("chooser encoder ", list);
}

void Transcript::chooserMonth(int kind) {
    line("chooser month " + std::to_string(kind));
}

void Transcript::fault(std::string_view text) {
    faulted_ = true;
    std::cerr << "fault: " << ansiToUtf8(text) << '\n';
}

void Transcript::diagnostic(std::string_view component, std::string_view function, int category,
                            std::string_view text) {
    line("log diagnostic " + printable(component) + " " + printable(function) + " " +
             std::to_string(category) + " ",
         text);
}

void Transcript::error(std::string_view component, std::string_view function, int code,
                       std::string_view text) {
    line("log error " + printable(component) + " " + printable(function) + " " +
             std::to_string(code) + " ",
         text);
}

}  // namespace host
