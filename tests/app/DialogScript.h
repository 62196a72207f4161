// Answers the modal windows that one command opens, one after the other,
// from a timer that runs inside their modal loops: a settings dialog, a
// file dialog, the confirmations and message boxes that follow.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct SeenDialog {
    std::wstring caption;
    std::wstring text;  // a message box's text (its static 0xFFFF)
};

class DialogScript {
public:
    // One step acts on one dialog: the visible, enabled dialog of the thread
    // that no earlier step has handled, or one that has opened another
    // dialog since and is enabled again. It must close that dialog, or open
    // another one from it.
    using Step = std::function<void(HWND dialog)>;

    explicit DialogScript(std::vector<Step> steps);
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // The dialogs the steps handled, in order.
    const std::vector<SeenDialog>& seen() const;
    // A dialog stayed unanswered or more came than steps: the script
    // cancelled them so that the test goes on.
    bool timedOut() const;

    static Step Press(int id);
    // Puts a name into a file dialog's name field and confirms it.
    static Step ChooseFile(const std::wstring& path);
    // Fills the settings dialog's fields and presses OK.
    static Step EnterSize(const std::wstring& width, const std::wstring& height);
};
