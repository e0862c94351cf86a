#include "project/ProjectFlow.h"

#include "app/DisplayParameters.h"
#include "app/WorkDirectory.h"
#include "project/ProjectLog.h"
#include "project/ProjectPrompts.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "ui/CustomTableModel.h"

#include <QDir>
#include <QFileInfo>
#include <QScopedValueRollback>

ProjectFlow::ProjectFlow(Playlist playlist, ProjectPrompts *prompts, QObject *parent)
    : QObject(parent), playlist(std::move(playlist)), prompts(prompts)
{
}

QString ProjectFlow::name() const
{
    if (current.isEmpty())
        return tr("Untitled");
    const QString file = QFileInfo(current).fileName();
    return file.endsWith(QLatin1String(fileSuffix())) ? file.chopped(int(qstrlen(fileSuffix()))) : file;
}

QString ProjectFlow::windowTitle(const QString &base) const
{
    return tr("%1[*] - %2").arg(name(), base);
}

void ProjectFlow::watch(CustomTableModel *model)
{
    connect(model, &CustomTableModel::playlistChanged, this, &ProjectFlow::markModified);
}

void ProjectFlow::markModified()
{
    if (replacing || modified)
        return;
    modified = true;
    emit stateChanged();
}

bool ProjectFlow::playlistEmpty() const
{
    return playlist.pictures().isEmpty() && playlist.sequences().isEmpty();
}

void ProjectFlow::setSaved(const QString &path)
{
    current = path;
    modified = false;
    if (!path.isEmpty())
        WorkDirectory::setLastUsedFolder(QFileInfo(path).absolutePath());
    emit stateChanged();
}

bool ProjectFlow::confirmDiscard()
{
    if (!modified || playlistEmpty())
        return true;
    switch (prompts->askSaveChanges(name())) {
    case ProjectPrompts::Answer::Save:
        return save();
    case ProjectPrompts::Answer::Discard:
        return true;
    case ProjectPrompts::Answer::Cancel:
        break;
    }
    return false;
}

void ProjectFlow::playlistDiscarded()
{
    setSaved(QString());
}

bool ProjectFlow::newProject()
{
    if (!confirmDiscard())
        return false;
    {
        const QScopedValueRollback<bool> own(replacing, true);
        playlist.replace({}, {});
    }
    setSaved(QString());
    return true;
}

bool ProjectFlow::open()
{
    if (!confirmDiscard())
        return false;
    const QString path = prompts->chooseFileToOpen(current.isEmpty() ? WorkDirectory::lastUsedFolder()
                                                                     : QFileInfo(current).absolutePath());
    return !path.isEmpty() && load(path);
}

bool ProjectFlow::openFile(const QString &path)
{
    return confirmDiscard() && load(path);
}

bool ProjectFlow::load(const QString &path)
{
    const ProjectReader::Header header = ProjectReader::inspect(path);
    if (!header.ok) {
        prompts->tell(header.message);
        return false;
    }
    const int leds = DisplayParameters::ledCount();
    const int lines = DisplayParameters::lineCount();
    if ((header.ledCount != leds || header.lineCount != lines)
        && !prompts->askSwitchDisplay(header.path, header.ledCount, header.lineCount, leds, lines))
        return false;

    ProjectReader::Result result;
    prompts->runBusy(tr("Opening %1 ...").arg(QDir::toNativeSeparators(header.path)),
                     [&result, &header, this](const std::atomic<bool> &cancelled) {
                         ProjectReader reader;
                         reader.setOwnerThread(thread());
                         reader.setProgress([&cancelled](int, int) { return !cancelled.load(); });
                         result = reader.read(header.path);
                     });
    if (result.cancelled)
        return false;
    if (!result.ok) {
        prompts->tell(result.message);
        return false;
    }
    // Only now, with the whole project read, does anything of the program change.
    DisplayParameters::setLedCount(result.content->ledCount);
    DisplayParameters::setLineCount(result.content->lineCount);
    result.content->calibration.apply();
    {
        const QScopedValueRollback<bool> own(replacing, true);
        playlist.replace(result.content->takePictures(), result.content->takeSequences());
    }
    qCDebug(lcProject) << "#ProjectFlow# opened" << header.path;
    setSaved(header.path);
    return true;
}

bool ProjectFlow::save()
{
    return current.isEmpty() ? saveAs() : writeTo(current);
}

bool ProjectFlow::saveAs()
{
    const QString suggested = current.isEmpty()
                                  ? QDir(WorkDirectory::lastUsedFolder()).filePath(name() + QLatin1String(fileSuffix()))
                                  : current;
    QString path = prompts->chooseFileToSave(suggested);
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QLatin1String(fileSuffix())))
        path += QLatin1String(fileSuffix());
    return writeTo(QFileInfo(path).absoluteFilePath());
}

bool ProjectFlow::writeTo(const QString &path)
{
    const ProjectWriter::Input input = ProjectWriter::Input::current(playlist.pictures(), playlist.sequences());
    ProjectWriter::Result result;
    prompts->runBusy(tr("Saving %1 ...").arg(QDir::toNativeSeparators(path)),
                     [&result, &input, &path](const std::atomic<bool> &cancelled) {
                         ProjectWriter writer;
                         writer.setProgress([&cancelled](int, int) { return !cancelled.load(); });
                         result = writer.save(input, path);
                     });
    if (result.cancelled)
        return false;
    if (!result.ok) {
        prompts->tell(result.message);
        return false;
    }
    if (!result.message.isEmpty())
        prompts->tell(result.message); // saved, but some LED data was missing
    qCDebug(lcProject) << "#ProjectFlow# saved" << path;
    setSaved(path);
    return true;
}
