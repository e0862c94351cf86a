#pragma once

#include "ui/RowEditor.h"

class ImageObject;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Live editor of a picture row: thumbnail, position box, display time with
// press-and-hold + and - buttons. Tests reach the controls by object name.
class ImageObjectWidget : public RowEditor
{
    Q_OBJECT
public:
    ImageObjectWidget(HandlerMessage *handler, ImageObject *image, const QModelIndex &index,
                      QWidget *parent = nullptr);
    ~ImageObjectWidget() override;

    ImageObject *image() const { return picture; }
    QObject *record() const override;
    void performStep(int what) override;
    void showRecord() override;
    // Writes the display time into the time box, as the steps write it.
    void showDisplayTime(double seconds);

    // Types whose rows carry the position box and the time controls.
    static bool hasControls(int type);

signals:
    void imageIndexChanged(ImageObject *image, int oldIndex, int newIndex);

public slots:
    void onBtnTimeAddPreseed();
    void onBtnTimeAddReleased();
    void onBtnTimeDelPreseed();
    void onBtnTimeDelReleased();
    void onTimeEdit(const QString &value);
    void onCurrentIndexChanged(int i);

protected:
    void retranslateUi() override;

private slots:
    void fillPositions();

private:
    void buildControls(int x, int y0);
    // The positions that exist: the list's rows (the picture's own place at least).
    int rowCount() const;
    void setPositionCount(int count);

    ImageObject *picture;
    QLabel *thumbnailLabel;
    QComboBox *positionBox = nullptr;
    QLabel *spacerLabel = nullptr;
    QLineEdit *timeEdit = nullptr;
    QLabel *unitLabel = nullptr;
    QPushButton *addButton;
    QPushButton *delButton;
};
