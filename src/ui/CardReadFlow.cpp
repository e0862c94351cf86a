#include "ui/CardReadFlow.h"

#include "app/DisplayParameters.h"
#include "card/CardReader.h"
#include "card/CardReaderLog.h"
#include "card/FactoryContent.h"
#include "display/ImageObject.h"
#include "display/MediaObject.h"
#include "import/ProgressDialog.h"
#include "messaging/HandlerMessage.h"
#include "messaging/WhatCodes.h"
#include "ui/CustomTableModel.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

int whatOf(CardReadJob::Kind kind)
{
    switch (kind) {
    case CardReadJob::PreviewFromUsb:
        return WhatCode::PreviewFromUsb;
    case CardReadJob::RestoreFactory:
        return WhatCode::RestoreFactory;
    case CardReadJob::OpenCard:
        break;
    }
    return WhatCode::OpenCard;
}

// The window's keys live in the main window's catalogue context.
QString windowText(const char *key)
{
    return QCoreApplication::translate("MainWindow", key);
}

template<typename T>
QList<CustomTableItem> itemsOf(const QList<T *> &objects)
{
    QList<CustomTableItem> items;
    for (T *object : objects)
        items.append(CustomTableItem(object));
    return items;
}

} // namespace

CardReadFlow::CardReadFlow(CustomTableModel *pictures, CustomTableModel *sequences, HandlerMessage *handler,
                           QWidget *parent, Window window)
    : QObject(parent), pictures(pictures), sequences(sequences), handler(handler), parentWidget(parent),
      window(std::move(window))
{
}

CardReadFlow::~CardReadFlow()
{
    if (wanted)
        wanted->store(false); // a read still on the looper stops at its next block
}

ProgressDialog *CardReadFlow::progressDialog() const
{
    return progress;
}

QString CardReadFlow::askForCardFile(QWidget *parent, const QString &folder)
{
    return QFileDialog::getOpenFileName(parent, tr("Open card"), folder, tr("Card files (*.bin);;All files (*)"));
}

void CardReadFlow::tell(const QString &text)
{
    QMessageBox::information(parentWidget, windowText("dialog_title_tip"), text, QMessageBox::Ok);
}

bool CardReadFlow::mayRead(const QString &what, const QString &switching)
{
    const int pictureRows = pictures->rowCount();
    const int sequenceRows = sequences->rowCount();
    const bool replacing = pictureRows > 0 || sequenceRows > 0;
    if (!replacing)
        return switching.isEmpty() || ask(switching);
    if (switching.isEmpty())
        return ask(tr("Reading %1 replaces the playlist (pictures: %2, sequences: %3). Replace it?")
                       .arg(what)
                       .arg(pictureRows)
                       .arg(sequenceRows));
    return ask(switching + QLatin1Char(' ')
               + tr("It replaces the playlist (pictures: %1, sequences: %2).").arg(pictureRows).arg(sequenceRows));
}

bool CardReadFlow::ask(const QString &question)
{
    return QMessageBox::question(parentWidget, windowText("dialog_title_tip"), question,
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
           == QMessageBox::Ok;
}

void CardReadFlow::previewFromUsb()
{
    window.stopPlayback();
    const QString folder = window.chooseStick();
    if (folder.isEmpty())
        return;
    const QString path = folder + QLatin1Char('/') + QLatin1String("Z1.bin");
    if (!QFileInfo::exists(path)) {
        tell(windowText("dialog_title_preview_error1"));
        return;
    }
    if (!mayRead(path, QString()))
        return;
    read(CardReadJob::PreviewFromUsb, path,
         CardBlockLayout::rawSamples(DisplayParameters::ledCount(), DisplayParameters::lineCount()),
         windowText("dialog_title_reading_usb"));
}

void CardReadFlow::restoreFactory()
{
    // The display switches to the factory parameters only once their content is read.
    window.stopPlayback();
    const QString path = FactoryContent::path();
    if (!QFileInfo::exists(path)) {
        qCDebug(lcCardReader) << "not find system ui file. ";
        tell(windowText("dialog_title_not_find_default"));
        return;
    }
    if (!mayRead(tr("the factory content"), QString()))
        return;
    read(CardReadJob::RestoreFactory, path,
         CardBlockLayout::rawSamples(FactoryContent::ledCount, FactoryContent::lineCount),
         windowText("dialog_title_reading_sys"));
}

void CardReadFlow::openCard()
{
    window.stopPlayback();
    const QString path = window.chooseCardFile();
    if (path.isEmpty())
        return;
    const int leds = DisplayParameters::ledCount();
    const int lines = DisplayParameters::lineCount();
    const CardReader::Probe probe = CardReader::probe(path, leds, lines);
    if (!probe.ok()) {
        tell(probe.problem);
        return;
    }
    if (!probe.layout) {
        tell(tr("The card %1 does not fit a display of %2 LEDs and %3 lines, nor any other display: its size "
                "is not the table of contents and whole blocks of one size. The file may be damaged or cut short.")
                 .arg(path)
                 .arg(leds)
                 .arg(lines));
        return;
    }
    const QString switching =
        probe.fits ? QString()
                   : tr("The card %1 was made for a display of %2 LEDs and %3 lines; the display is set to %4 "
                        "LEDs and %5 lines. Switch to %2 LEDs and %3 lines and open the card?")
                         .arg(path)
                         .arg(probe.layout->ledCount)
                         .arg(probe.layout->lineCount)
                         .arg(leds)
                         .arg(lines);
    if (!mayRead(path, switching))
        return;
    read(CardReadJob::OpenCard, path, *probe.layout, tr("Reading the card, please wait."));
}

void CardReadFlow::read(CardReadJob::Kind kind, const QString &path, const CardBlockLayout &layout,
                        const QString &busyText)
{
    window.showPage(0);
    outcome.clear();
    auto job = std::make_unique<CardReadJob>(kind, path, layout, thread());
    wanted = job->stickReadOk(); // set: the read is wanted
    handler->sendHandlerMessage(handler->obtainMessage(whatOf(kind), std::move(job), path));

    progress = new ProgressDialog(busyText, parentWidget);
    progress->exec(); // closed by readOver(), or by the user
    delete progress;
    wanted->store(false);
    wanted.reset();
    window.readEnded();
    if (!outcome.isEmpty())
        tell(outcome);
}

void CardReadFlow::readOver(std::unique_ptr<CardReadJob> job)
{
    const bool factory = job && job->kind() == CardReadJob::RestoreFactory;
    if (factory)
        qCDebug(lcCardReader) << "#MainWindow# restoreFactoryOver";
    // A reply to a read whose dialog was closed, or to an earlier one, is dropped with its records.
    const bool current = job && wanted && job->stickReadOk() == wanted;
    if (current && job->stillWanted())
        takeOver(*job);
    if (!current && job)
        return; // the running read, if any, waits for its own reply
    if (factory)
        qCDebug(lcCardReader) << "#MainWindow# restoreFactoryOver 11111111111";
    if (progress)
        progress->accept();
    if (factory)
        qCDebug(lcCardReader) << "#MainWindow# restoreFactoryOver 22222222222";
}

void CardReadFlow::takeOver(CardReadJob &job)
{
    CardRecords &records = job.records();
    if (records.isEmpty()) {
        outcome = job.problem(); // the playlist stays as it was
        return;
    }
    sequences->delRow(0, sequences->rowCount());
    pictures->delRow(0, pictures->rowCount());
    pictures->appendItems(itemsOf(records.takePictures()));
    sequences->appendItems(itemsOf(records.takeSequences()));
    window.listsReplaced();
    const CardBlockLayout layout = job.layout();
    DisplayParameters::setLedCount(layout.ledCount);
    DisplayParameters::setLineCount(layout.lineCount);
}
