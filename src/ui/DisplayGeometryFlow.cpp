#include "ui/DisplayGeometryFlow.h"

#include "app/DisplayParameters.h"
#include "ui/GeometryLog.h"
#include "ui/UpdateLedCountDialog.h"
#include "ui/UpdateLineNumberDialog.h"

#include <QMessageBox>

DisplayGeometryFlow::DisplayGeometryFlow(QWidget *window, std::function<void()> clearPlaylist,
                                         std::function<bool()> mayDiscard)
    : window(window), clearPlaylist(std::move(clearPlaylist)), mayDiscard(std::move(mayDiscard))
{
}

bool DisplayGeometryFlow::changeLedCount()
{
    return change<UpdateLedCountDialog>(DisplayParameters::ledCount(), &DisplayParameters::setLedCount,
                                        "#MainWindow# onBtnLedCount()", tr("LED数量被修改."));
}

bool DisplayGeometryFlow::changeLineCount()
{
    return change<UpdateLineNumberDialog>(DisplayParameters::lineCount(), &DisplayParameters::setLineCount,
                                          "#MainWindow# onBtnLineNumber()", tr("分辨率被修改."));
}

template<typename Dialog>
bool DisplayGeometryFlow::change(int current, void (*store)(int), const char *debugLine, const QString &message)
{
    int value = 0;
    {
        Dialog dialog(window);
        dialog.setFixedSize(250, 100);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        value = dialog.value();
    }
    if (value == current)
        return false;
    qCDebug(lcGeometry) << debugLine << value;

    QMessageBox box(QMessageBox::NoIcon, tr("提示"), message, QMessageBox::Ok | QMessageBox::Cancel, window);
    box.setInformativeText(tr("所有的打开的图片效果将会被删除，是否继续？"));
    box.setDefaultButton(QMessageBox::Ok);
    if (box.exec() != QMessageBox::Ok)
        return false;
    if (mayDiscard && !mayDiscard())
        return false;
    if (clearPlaylist)
        clearPlaylist();
    store(value);
    return true;
}
