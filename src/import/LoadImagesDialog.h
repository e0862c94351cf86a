#pragma once

#include <QDialog>
#include <QStringList>

class LoadImagesHandler;
class LoadObjectItem;
class Message;
class PictureSink;
class ProgressCount;
class QLabel;
class QPushButton;

// The modal picture import: the files are converted on the shared looper one
// after the other and each finished picture is handed to the sink. Files that
// cannot be read are skipped and listed in one message at the end.
//
//     LoadImagesDialog *dialog = new LoadImagesDialog(files, sink, nullptr);
//     dialog->exec();
//     delete dialog; // stops a running import; pictures handed over stay
class LoadImagesDialog : public QDialog
{
    Q_OBJECT
public:
    // Starts the import at once. The sink is not owned and must outlive the dialog.
    LoadImagesDialog(const QStringList &files, PictureSink *sink, QWidget *parent = nullptr);
    ~LoadImagesDialog() override;

public slots:
    // The worker's reports 2, 3 and 4; it waits until this returns.
    void handlerMessage(Message *msg);
    void reject() override;

protected:
    bool event(QEvent *e) override;

private:
    void buildLayout();
    void showProgress(const LoadObjectItem &item, const QImage &preview);
    void handOver(Message *msg, const LoadObjectItem &item);
    void finishImport();
    void showSkipped();

    PictureSink *sink;
    LoadImagesHandler *handler; // given up with release(), never deleted here
    QLabel *tipLabel;
    QLabel *pathLabel;
    QLabel *previewLabel;
    QPushButton *loadOverButton;
    ProgressCount *progress = nullptr; // picture n of m
    QStringList skipped; // "<file>: <reason>" per skipped file
};
