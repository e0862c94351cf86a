#include "ui/DamagedGifQuestion.h"

#include "import/GifFrameSource.h"

#include <QMessageBox>
#include <QPushButton>

bool DamagedGifQuestion::keepFrames(QWidget *parent, const QString &path, const ImageIntegrity::Finding &damage)
{
    QMessageBox box(QMessageBox::Warning, tr("dialog_title_tip"),
                    GifFrameSource::damageMessage(path, damage), QMessageBox::NoButton, parent);
    box.setInformativeText(tr("Import the frames that can be read, or add nothing?"));
    QPushButton *keep = damage.wholeFrames == 1
                            ? box.addButton(tr("Import the first frame"), QMessageBox::AcceptRole)
                            : box.addButton(tr("Import %1 frames").arg(damage.wholeFrames), QMessageBox::AcceptRole);
    QPushButton *drop = box.addButton(tr("Add nothing"), QMessageBox::RejectRole);
    keep->setObjectName(QLatin1String(keepButtonName));
    drop->setObjectName(QLatin1String(dropButtonName));
    // Nothing is added unless the user says so.
    box.setDefaultButton(drop);
    box.setEscapeButton(drop);
    box.exec();
    return box.clickedButton() == keep;
}
