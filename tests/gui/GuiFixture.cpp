// The window-test fixture and the test program's entry.
#include "GuiFixture.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
FXApp* theApp = nullptr;

// The application object is created once, in the environment, so that listing tests needs no display.
class GuiEnvironment : public testing::Environment {
public:
    void SetUp() override {
        static std::string home = std::filesystem::temp_directory_path() / ("ordinax-gui-home-" + std::to_string(getpid()));
        std::filesystem::create_directories(home);
        setenv("HOME", home.c_str(), 1);
        static int argc = 1;
        static char name[] = "ordinax_gui_tests";
        static char* argv[] = {name, nullptr};
        theApp = new FXApp("Ordinax", "Tavrin");
        theApp->init(argc, argv);
        theApp->create();
    }
    void TearDown() override {
        delete theApp;
        theApp = nullptr;
    }
};

std::string collectLabels(FXWindow* w) {
    std::string text;
    for (FXWindow* child = w->getFirst(); child; child = child->getNext()) {
        if (child->isMemberOf(FXMETACLASS(FXLabel)) && !child->isMemberOf(FXMETACLASS(FXButton))) {
            FXString t = static_cast<FXLabel*>(child)->getText();
            if (!t.empty()) text += (text.empty() ? "" : "\n") + std::string(t.text());
        }
        std::string inner = collectLabels(child);
        if (!inner.empty()) text += (text.empty() ? "" : "\n") + inner;
    }
    return text;
}
void runEvents(int milliseconds) {
    FXlong end = FXThread::time() + static_cast<FXlong>(milliseconds) * 1000000;
    do {
        theApp->runWhileEvents();
        theApp->flush(true);
    } while (FXThread::time() < end);
}

// xclip's output for one clipboard target. The clipboard's owner may be this process's window, so the event
// loop keeps running while xclip waits for its answer; a reader that takes longer than the timeout is killed.
std::string clipboardAsReadByXclip(const std::string& target, int timeoutMs) {
    char name[] = "/tmp/ordinax-xclip-XXXXXX";
    int fd = mkstemp(name);
    if (fd < 0) return "";
    pid_t reader = fork();
    if (reader == 0) {
        if (dup2(fd, 1) < 0 || !freopen("/dev/null", "w", stderr)) _exit(126);
        execlp("xclip", "xclip", "-o", "-selection", "clipboard", "-t", target.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fd);
    bool done = false;
    for (int waited = 0; waited < timeoutMs && !(done = waitpid(reader, nullptr, WNOHANG) == reader); waited += 10)
        runEvents(10);
    if (!done) {
        kill(reader, SIGKILL);
        waitpid(reader, nullptr, 0);
        ADD_FAILURE() << "xclip never read the clipboard as " << target;
    }
    std::ifstream in(name, std::ios::binary);
    std::stringstream got;
    got << in.rdbuf();
    unlink(name);
    return got.str();
}
} // namespace

FXDEFMAP(ModalAnswerer) ModalAnswererMap[] = {
    FXMAPFUNC(SEL_TIMEOUT, ModalAnswerer::ID_POLL, ModalAnswerer::onPoll),
};
FXIMPLEMENT(ModalAnswerer, FXObject, ModalAnswererMap, ARRAYNUMBER(ModalAnswererMap))

void ModalAnswerer::arm(FXApp* a) {
    app = a;
    app->addTimeout(this, ID_POLL, 1);
}

void ModalAnswerer::disarm() {
    if (app) app->removeTimeout(this, ID_POLL);
}

long ModalAnswerer::onPoll(FXObject*, FXSelector, void*) {
    if (FXWindow* modal = app->getModalWindow()) answer(modal);
    app->addTimeout(this, ID_POLL, 1);
    return 1;
}

void ModalAnswerer::answer(FXWindow* modal) {
    SeenModal s;
    std::string reply;
    if (!answers.empty()) {
        reply = answers.front();
        answers.pop_front();
    }
    if (modal->isMemberOf(FXMETACLASS(FXPopup))) {
        s.kind = "popup";
        FXWindow* chosen = nullptr;
        for (FXWindow* child = modal->getFirst(); child; child = child->getNext()) {
            if (!child->isMemberOf(FXMETACLASS(FXMenuCaption))) continue;
            std::string entry = static_cast<FXMenuCaption*>(child)->getText().text();
            s.entries.push_back(entry);
            if (entry == reply && child->isEnabled()) chosen = child;
        }
        seen.push_back(s);
        static_cast<FXPopup*>(modal)->popdown();
        app->stopModal(modal);
        if (chosen && chosen->getTarget())
            chosen->getTarget()->handle(chosen, FXSEL(SEL_COMMAND, chosen->getSelector()), nullptr);
        else if (!reply.empty() && reply != "Cancel")
            ADD_FAILURE() << "popup entry \"" << reply << "\" not found or disabled";
        if (reply.empty()) ADD_FAILURE() << "unscripted popup menu";
        return;
    }
    FXTopWindow* top = static_cast<FXTopWindow*>(modal);
    s.caption = top->getTitle().text();
    if (modal->isMemberOf(FXMETACLASS(FXMessageBox))) {
        s.kind = "message";
        s.text = collectLabels(modal);
        seen.push_back(s);
        FXSelector id = FXMessageBox::ID_CLICKED_CANCEL;
        if (reply == "OK") id = FXMessageBox::ID_CLICKED_OK;
        if (reply == "Yes") id = FXMessageBox::ID_CLICKED_YES;
        if (reply == "No") id = FXMessageBox::ID_CLICKED_NO;
        if (reply.empty()) ADD_FAILURE() << "unscripted message box \"" << s.caption << "\": " << s.text;
        modal->handle(modal, FXSEL(SEL_COMMAND, id), nullptr);
        return;
    }
    if (modal->isMemberOf(FXMETACLASS(FXFileDialog))) {
        s.kind = "file";
        FXFileDialog* dialog = static_cast<FXFileDialog*>(modal);
        s.text = reply;
        seen.push_back(s);
        if (reply.empty() || reply == "Cancel") {
            if (reply.empty()) ADD_FAILURE() << "unscripted file dialog \"" << s.caption << "\"";
            modal->handle(modal, FXSEL(SEL_COMMAND, FXDialogBox::ID_CANCEL), nullptr);
        } else {
            dialog->setFilename(reply.c_str());
            modal->handle(modal, FXSEL(SEL_COMMAND, FXDialogBox::ID_ACCEPT), nullptr);
        }
        return;
    }
    s.kind = "dialog";
    s.text = collectLabels(modal);
    seen.push_back(s);
    if (reply.empty()) ADD_FAILURE() << "unscripted dialog \"" << s.caption << "\"";
    modal->handle(modal, FXSEL(SEL_COMMAND, reply == "OK" ? FXDialogBox::ID_ACCEPT : FXDialogBox::ID_CANCEL),
                  nullptr);
}

ClipboardOffer::ClipboardOffer(const std::string& path, const std::string& target) {
    pid = fork();
    if (pid == 0) {
        if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr)) _exit(126);
        execlp("xclip", "xclip", "-quiet", "-selection", "clipboard", "-t", target.c_str(), "-i", path.c_str(),
               static_cast<char*>(nullptr));
        _exit(127);
    }
    // Wait until xclip owns the clipboard: asking for its target list then names the target.
    for (int i = 0; i < 100; i++) {
        std::string targets = clipboardAsReadByXclip("TARGETS", 5000);
        if (("\n" + targets).find("\n" + target + "\n") != std::string::npos) return;
        usleep(50000);
    }
    ADD_FAILURE() << "xclip never offered " << target;
}

ClipboardOffer::~ClipboardOffer() {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

FXApp* GuiTest::app() { return theApp; }

void GuiTest::SetUp() {
    char buffer[4096];
    previousDir = getcwd(buffer, sizeof buffer) ? buffer : "/";
    std::string pattern = (std::filesystem::temp_directory_path() / "ordinax-test-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    workDir = name.data();
    ASSERT_EQ(chdir(workDir.c_str()), 0);
    modals = new ModalAnswerer;
    modals->arm(app());
}

void GuiTest::TearDown() {
    delete win;
    win = nullptr;
    settle();
    modals->disarm();
    EXPECT_TRUE(modals->answers.empty()) << "unused scripted answers: " << modals->answers.size();
    delete modals;
    if (chdir(previousDir.c_str()) != 0) ADD_FAILURE() << "cannot return to " << previousDir;
    std::error_code ignored;
    std::filesystem::remove_all(workDir, ignored);
}

Ordinax* GuiTest::window() {
    if (!win) {
        win = new Ordinax(app());
        win->create();
        settle();
    }
    return win;
}

void GuiTest::settle(int milliseconds) { runEvents(milliseconds); }

void GuiTest::writeFile(const std::string& name, const std::string& content) {
    std::ofstream out(workDir + "/" + name, std::ios::binary);
    out << content;
}

std::string GuiTest::clipboardReadByOtherProgram(const std::string& target) {
    return clipboardAsReadByXclip(target, 20000);
}

long GuiTest::command(FXSelector id, void* ptr) {
    return window()->handle(window(), FXSEL(SEL_COMMAND, id), ptr);
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new GuiEnvironment);
    return RUN_ALL_TESTS();
}
