#pragma once

#include "project/ProjectPrompts.h"

#include <QCoreApplication>

class QWidget;

// The window's answers to the project flow: message boxes, file choosers and
// the busy dialog, with the work on a thread of its own meanwhile.
class ProjectDialogs : public ProjectPrompts
{
    Q_DECLARE_TR_FUNCTIONS(ProjectDialogs)
public:
    explicit ProjectDialogs(QWidget *parent) : parent(parent) {}

    Answer askSaveChanges(const QString &projectName) override;
    QString chooseFileToOpen(const QString &folder) override;
    QString chooseFileToSave(const QString &suggestedPath) override;
    bool askSwitchDisplay(const QString &path, int projectLeds, int projectLines, int leds, int lines) override;
    void tell(const QString &message) override;
    void runBusy(const QString &text, const Work &work) override;

    static QString fileFilter();

private:
    QWidget *parent;
};
