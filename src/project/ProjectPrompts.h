#pragma once

#include <QString>

#include <atomic>
#include <functional>

// What the project flow asks of the user and shows them. The window answers
// with dialogs (ProjectDialogs); tests answer from a script.
class ProjectPrompts
{
public:
    enum class Answer { Save, Discard, Cancel };
    // Work that checks the flag between records and stops when it is set.
    using Work = std::function<void(const std::atomic<bool> &cancelled)>;

    virtual ~ProjectPrompts() = default;

    // The playlist of the named project has changes that were not saved.
    virtual Answer askSaveChanges(const QString &projectName) = 0;
    // A project file to open, or to save to; empty when the user cancelled.
    virtual QString chooseFileToOpen(const QString &folder) = 0;
    virtual QString chooseFileToSave(const QString &suggestedPath) = 0;
    // The project was made for another display: switch to its parameters?
    virtual bool askSwitchDisplay(const QString &path, int projectLeds, int projectLines, int leds, int lines) = 0;
    virtual void tell(const QString &message) = 0;
    // Runs the work, on another thread where it can, while showing the text;
    // returns when the work has ended. A cancel sets the flag.
    virtual void runBusy(const QString &text, const Work &work) = 0;
};
