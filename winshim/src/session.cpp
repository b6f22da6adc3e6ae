#include "winshim/session.hpp"

#include "desktop.hpp"

extern const unsigned char winshim_module_resources[];
extern const std::size_t winshim_module_resources_size;

namespace winshim {

using detail::Desktop;

namespace {

// The calculator window's control, when a user could reach it now: input for
// a window that is disabled, hidden or minimized is lost.
detail::Window* Reachable(int controlId) {
    Desktop& desktop = Desktop::Current();
    detail::Window* main = desktop.MainWindow();
    if (!main || !main->Visible() || main->minimized || !main->Enabled()) return nullptr;
    if (controlId == 0) return main;
    detail::Window* control = desktop.Child(main, controlId);
    return control && control->Enabled() ? control : nullptr;
}

}  // namespace

void User::Type(int controlId, const std::string& keys) {
    detail::Window* control = Reachable(controlId);
    if (!control) return;
    Desktop& desktop = Desktop::Current();
    for (char key : keys) {
        const WPARAM code = static_cast<unsigned char>(key);
        desktop.Post(control, WM_KEYDOWN, code, 1);
        desktop.Post(control, WM_KEYUP, code, static_cast<LPARAM>(0xC0000001));
    }
}

void User::Replace(int controlId, const std::string& text) {
    detail::Window* control = Reachable(controlId);
    if (!control) return;
    Desktop::Current().Post(control, EM_SETSEL, 0, -1);
    Type(controlId, text.empty() ? std::string("\b") : text);
}

void User::Click(int controlId) {
    if (detail::Window* button = Reachable(controlId))
        Desktop::Current().Post(button, BM_CLICK, 0, 0);
}

void User::Close() {
    if (detail::Window* main = Reachable(0))
        Desktop::Current().Post(main, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void User::Minimize() {
    if (detail::Window* main = Reachable(0))
        Desktop::Current().Post(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void User::Restore() {
    Desktop& desktop = Desktop::Current();
    detail::Window* main = desktop.MainWindow();
    if (main && main->minimized) desktop.Post(main, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void User::Uncover() {
    Desktop& desktop = Desktop::Current();
    desktop.Invalidate(desktop.MainWindow());
}

void User::AnswerBox() {
    Desktop& desktop = Desktop::Current();
    if (detail::Window* box = desktop.OpenBox()) desktop.Post(box, WM_COMMAND, IDOK, 0);
}

std::string User::Text(int controlId) const {
    Desktop& desktop = Desktop::Current();
    detail::Window* control = desktop.Child(desktop.MainWindow(), controlId);
    return control ? control->text : "(no control " + std::to_string(controlId) + ")";
}

HWND User::Window() const {
    detail::Window* main = Desktop::Current().MainWindow();
    return main ? main->Handle() : nullptr;
}

const MessageBoxRecord* User::OpenBox() const {
    Desktop& desktop = Desktop::Current();
    detail::Window* box = desktop.OpenBox();
    return box ? &desktop.boxes[static_cast<std::size_t>(box->boxIndex)] : nullptr;
}

LRESULT User::Send(UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& desktop = Desktop::Current();
    return desktop.Send(desktop.MainWindow(), message, wParam, lParam);
}

Session::Session() {
    Desktop::Current().Reset(this);
}

Session::~Session() {
    Desktop::Current().Reset(nullptr);
}

Session& Session::Then(Step step) {
    Desktop::Current().steps.push_back(std::move(step));
    return *this;
}

int Session::Run(EntryPoint entry, int showCommand) {
    char commandLine[] = "";
    return entry(detail::ModuleInstance(), nullptr, commandLine, showCommand);
}

const std::vector<Call>& Session::Calls() const {
    return Desktop::Current().calls;
}

std::vector<std::string> Session::CallTexts(std::size_t from) const {
    std::vector<std::string> texts;
    const std::vector<Call>& calls = Calls();
    for (std::size_t i = from; i < calls.size(); ++i) texts.push_back(calls[i].text);
    return texts;
}

const std::vector<MessageBoxRecord>& Session::Boxes() const {
    return Desktop::Current().boxes;
}

const WNDCLASSEXA* Session::RegisteredClass(const std::string& name) const {
    const Desktop::RegisteredClass* entry = Desktop::Current().FindClass(name);
    return entry ? &entry->record : nullptr;
}

HINSTANCE Session::Instance() const {
    return detail::ModuleInstance();
}

bool Session::RanOutOfSteps() const {
    return Desktop::Current().ranOutOfSteps;
}

void Session::FailClassRegistration() {
    Desktop::Current().failRegistration = true;
}
void Session::FailWindowCreation() {
    Desktop::Current().failCreation = true;
}
void Session::FailMessageQueue() {
    Desktop::Current().failQueue = true;
}

std::vector<Resource> ModuleResources() {
    return detail::ParseResources(winshim_module_resources, winshim_module_resources_size);
}

}  // namespace winshim
