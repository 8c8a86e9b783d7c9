// Window-test fixture: one FXApp per executable, a fresh main window per test in a fresh working directory,
// and a scripted answerer for modal message boxes, file dialogs and popup menus.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "app/Ordinax.h"

// What the answerer saw of one modal window.
struct SeenModal {
    std::string kind;    // "message", "file", "popup", "dialog"
    std::string caption; // window title (empty for popups)
    std::string text;    // message text, or the file dialog's file name
    std::vector<std::string> entries; // popup entries in order
};

// Answers modal windows from a queue: "OK", "Yes", "No", "Cancel", a file name for a file dialog,
// or the text of a popup entry. An unscripted modal window fails the test and is cancelled.
class ModalAnswerer : public FXObject {
    FXDECLARE(ModalAnswerer)
public:
    enum { ID_POLL = 1 };
    ModalAnswerer() {}
    void arm(FXApp* app);
    void disarm();
    void expect(const std::string& answer) { answers.push_back(answer); }
    long onPoll(FXObject*, FXSelector, void*);

    std::deque<std::string> answers;
    std::vector<SeenModal> seen;

private:
    void answer(FXWindow* modal);
    FXApp* app = nullptr;
};

// Another program (xclip) serving a file's bytes on the X clipboard under one target, until destroyed.
// The constructor returns once the X server reports the new owner offering the target.
class ClipboardOffer {
public:
    ClipboardOffer(const std::string& path, const std::string& target);
    ~ClipboardOffer();

private:
    int pid = -1;
};

class GuiTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates and shows the main window (call after preparing files in the working directory).
    Ordinax* window();
    // Lets the event loop run until nothing is pending (timers due within the given time included).
    void settle(int milliseconds = 20);
    // Writes a file in the test's working directory.
    void writeFile(const std::string& name, const std::string& content);
    // What another program (xclip) reads from the X clipboard as the given target, with the event loop running
    // so that this window can answer.
    std::string clipboardReadByOtherProgram(const std::string& target);
    // Sends a command message to the main window as a widget would.
    long command(FXSelector id, void* ptr = nullptr);

    static FXApp* app();
    std::string workDir;
    ModalAnswerer* modals = nullptr;

private:
    Ordinax* win = nullptr;
    std::string previousDir;
};
