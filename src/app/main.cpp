#include "app/DisplayParameters.h"
#include "app/WorkDirectory.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTimer>

int main(int argc, char *argv[])
{
    // The parameters come first: everything after start-up depends on them.
    DisplayParameters::resetToDefaults();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rotavue"));
    // Qt 6 uses UTF-8 for narrow strings, the locale and translations already.
    // From the build tree (make run) the current directory is the work
    // directory; installed, the user's data and cache folders are.
    if (WorkDirectory::runsFromBuildTree(QCoreApplication::applicationDirPath())) {
        WorkDirectory::init(QDir::currentPath());
    } else {
        WorkDirectory::initInstalled();
        // The file dialogs' history goes with the program's data, not into ~/.config.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, WorkDirectory::workDir());
    }

    int code = 0;
    {
        MainWindow window;
        window.onBtnEnUsClick();
        window.show();
        // "rotavue show.rotavue" or "rotavue a.png b.gif", as a file manager
        // starts it: taken as a drop once the window is up.
        const QStringList files = QApplication::arguments().mid(1);
        if (!files.isEmpty())
            QTimer::singleShot(0, &window, [&window, files] { window.openFiles(files); });
        code = app.exec();
    }
    return code;
}
