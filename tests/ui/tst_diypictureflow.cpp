#include "app/DisplayParameters.h"
#include "app/WorkDirectory.h"
#include "display/ImageObject.h"
#include "display/PolarSampling.h"
#include "edit/DiyForm.h"
#include "edit/DiyPainter.h"
#include "ui/CustomTableItem.h"
#include "ui/CustomTableModel.h"
#include "ui/DiyPictureFlow.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowForm.h"

#include "FakeStick.h"
#include "ModalAnswerer.h"
#include "TestWorkDir.h"

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QToolBox>
#include <QTranslator>
#include <QtTest>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The editor's answers: OK pressed once it is open, then the finishing question.
void thenFinishEditor(ModalAnswerer &answers, std::function<void(DiyForm *)> draw = {})
{
    answers.then([draw](QWidget *modal) {
        auto *form = qobject_cast<DiyForm *>(modal);
        if (!form)
            return false;
        if (draw)
            draw(form);
        QTimer::singleShot(0, form->findChild<QPushButton *>(QStringLiteral("okBut")), &QPushButton::click);
        return true;
    });
    answers.thenAnswer(QMessageBox::No);
}

void thenCancelEditor(ModalAnswerer &answers)
{
    answers.then([](QWidget *modal) {
        auto *form = qobject_cast<DiyForm *>(modal);
        if (!form)
            return false;
        QTimer::singleShot(0, form, &QDialog::close); // nothing drawn: no question
        return true;
    });
}

void drawSquare(DiyForm *form)
{
    form->findChild<QAbstractButton *>(QStringLiteral("btnShapeRect"))->click();
    auto *canvas = form->findChild<DiyPainter *>();
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(150, 150));
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 300), QPointF(), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
}

ImageObject *objectAt(CustomTableModel &model, int row)
{
    return qobject_cast<ImageObject *>(CustomTableItem::objectAt(model.index(row, 0)));
}

} // namespace

class TestDiyPictureFlow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newDiyBecomesAPlaylistPicture();
    void rejectedEditorAddsNothing();
    void editingSavesOverOurCopy();
    void editingNeverOverwritesTheUsersFile();
    void unsavablePictureIsNotAdded();
    void onlyFilesAndDiyPicturesAreEdited();
    void mainWindowDrawsAndEditsThroughTheFlow();

private:
    TestWorkDir work;
    QTranslator english;
    QWidget window;
    std::unique_ptr<CustomTableModel> model;
    std::unique_ptr<DiyPictureFlow> flow;
};

void TestDiyPictureFlow::initTestCase()
{
    QVERIFY(english.load(QStringLiteral(":/ts/translate_en_US.qm")));
    QCoreApplication::installTranslator(&english);
    DisplayParameters::setLedCount(112);
    DisplayParameters::setLineCount(450);
    window.resize(900, 700);
}

void TestDiyPictureFlow::init()
{
    WorkDirectory::ensureTempDir();
    model = std::make_unique<CustomTableModel>(QList<CustomTableItem>(), 1);
    flow = std::make_unique<DiyPictureFlow>(model.get(), &window, [] { return int(DiyForm::englishLanguage); });
}

void TestDiyPictureFlow::cleanup()
{
    flow.reset();
    model->delRow(0, model->rowCount());
    model.reset();
}

void TestDiyPictureFlow::newDiyBecomesAPlaylistPicture()
{
    // An imported picture with index 3 already listed: the drawing comes after it.
    model->appendItems({CustomTableItem(new ImageObject(3, QString(), 5, ImageObject::PictureFile))});
    ModalAnswerer answers;
    thenFinishEditor(answers, drawSquare);
    QVERIFY(flow->newDiy());
    QVERIFY(answers.done());

    QCOMPARE(model->rowCount(), 2);
    ImageObject *diy = objectAt(*model, 1);
    const QString first = diy->sourcePath();
    QVERIFY2(first.startsWith(WorkDirectory::tempDir() + QStringLiteral("diy_")), qPrintable(first));
    QVERIFY(first.endsWith(QStringLiteral(".png")));
    QCOMPARE(diy->type(), int(ImageObject::DiyPicture));
    QCOMPARE(diy->displayTime(), 5.0);
    QCOMPARE(diy->index(), 4);
    const QImage saved(first);
    QCOMPARE(saved.size(), QSize(450, 450));
    QCOMPARE(saved.pixel(200, 200), qRgb(0, 0, 0));     // the editor's fill, unset: black
    QCOMPARE(saved.pixel(152, 200), qRgb(255, 255, 255)); // its white outline

    QCOMPARE(diy->ledData(), PolarSampling::ledDataOf(saved, 112, 450)); // tst_diyledparity: as rotavue-card

    QVERIFY(!diy->thumbnail().isNull());

    // The next drawing takes the next number.
    thenFinishEditor(answers);
    QVERIFY(flow->newDiy());
    const QString second = objectAt(*model, 2)->sourcePath();
    const int n = first.section(QLatin1Char('_'), -1).section(QLatin1Char('.'), 0, 0).toInt();
    QCOMPARE(second, WorkDirectory::tempDir() + QStringLiteral("diy_%1.png").arg(n + 1));
}

void TestDiyPictureFlow::rejectedEditorAddsNothing()
{
    ModalAnswerer answers;
    thenCancelEditor(answers);
    QVERIFY(!flow->newDiy());
    QVERIFY(answers.done());
    QCOMPARE(model->rowCount(), 0);
}

void TestDiyPictureFlow::editingSavesOverOurCopy()
{
    const QString copy = WorkDirectory::tempDir() + QStringLiteral("image_edit.png");
    QImage photo(800, 600, QImage::Format_RGB32);
    photo.fill(QColor(30, 90, 200));
    QVERIFY(photo.save(copy));
    auto *object = new ImageObject(1, copy, 7, ImageObject::PictureFile);
    PolarSampling::imageToLedData(photo, object);
    const QByteArray before = object->ledData();
    model->appendItems({CustomTableItem(object)});
    QSignalSpy refreshed(model.get(), &QAbstractItemModel::dataChanged);

    ModalAnswerer answers;
    thenFinishEditor(answers, drawSquare);
    QVERIFY(flow->editPicture(model->index(0, 0)));
    QVERIFY(answers.done());

    QCOMPARE(object->sourcePath(), copy);
    const QImage saved(copy);
    // The square under the round area, which stands at (175, 75) on the photo.
    QCOMPARE(saved.size(), QSize(450, 450));
    QCOMPARE(saved.pixel(10, 10), qRgb(30, 90, 200));
    QCOMPARE(saved.pixel(225 - 175, 151 - 75), qRgb(255, 255, 255)); // the rectangle's top edge
    QVERIFY(object->ledData() != before);
    QCOMPARE(object->ledData(), PolarSampling::ledDataOf(saved, 112, 450));
    QCOMPARE(object->displayTime(), 7.0);
    QVERIFY(refreshed.count() >= 1);
}

void TestDiyPictureFlow::editingNeverOverwritesTheUsersFile()
{
    // A record still pointing at the user's file (its copy could not be made).
    const QString original = work.filePath(QStringLiteral("holiday.png"));
    QImage photo(450, 450, QImage::Format_RGB32);
    photo.fill(Qt::darkRed);
    QVERIFY(photo.save(original));
    const QByteArray bytes = readFile(original);
    auto *object = new ImageObject(1, original, 5, ImageObject::PictureFile);
    model->appendItems({CustomTableItem(object)});

    ModalAnswerer answers;
    thenFinishEditor(answers, drawSquare);
    QVERIFY(flow->editPicture(model->index(0, 0)));
    QCOMPARE(readFile(original), bytes);
    QVERIFY(DiyPictureFlow::isOwnCopy(object->sourcePath()));
    QCOMPARE(QImage(object->sourcePath()).pixel(152, 200), qRgb(255, 255, 255));
}

void TestDiyPictureFlow::unsavablePictureIsNotAdded()
{
    // The temp directory replaced by a file: nothing can be saved there.
    const QString temp = WorkDirectory::tempDir();
    QVERIFY(QDir(temp).removeRecursively());
    QFile blocker(QDir::cleanPath(temp));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    ModalAnswerer answers;
    answers.thenAnswer(QMessageBox::Ok);
    QVERIFY(!flow->addPicture(QImage(450, 450, QImage::Format_ARGB32)));
    QVERIFY(answers.done());
    QVERIFY(answers.texts().value(0).contains(QStringLiteral("diy_")));
    QCOMPARE(model->rowCount(), 0);
    QVERIFY(QFile::remove(QDir::cleanPath(temp)));
}

void TestDiyPictureFlow::onlyFilesAndDiyPicturesAreEdited()
{
    model->appendItems({CustomTableItem(new ImageObject(1, QString(), 5, ImageObject::CardPicture))});
    ModalAnswerer answers;
    QVERIFY(!flow->editPicture(model->index(0, 0)));
    QVERIFY(!flow->editPicture(QModelIndex()));
    QCOMPARE(answers.answered(), 0);
}

void TestDiyPictureFlow::mainWindowDrawsAndEditsThroughTheFlow()
{
    FakeStick sticks;
    MainWindow main(sticks.volumeSource());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    const MainWindowForm &form = main.form();
    QVERIFY(form.actionNewDiy->isEnabled());
    QVERIFY(form.btnEditImage->isVisible());
    QVERIFY(!form.btnEditImage->isEnabled());

    form.toolBox->setCurrentIndex(1);
    ModalAnswerer answers;
    thenFinishEditor(answers, drawSquare);
    form.actionNewDiy->trigger();
    QVERIFY(answers.done());
    QCOMPARE(main.pictureList().size(), 1);
    ImageObject *diy = main.pictureList().first();
    QCOMPARE(diy->type(), int(ImageObject::DiyPicture));
    QCOMPARE(form.toolBox->currentIndex(), 0);
    QCOMPARE(form.tableView->currentIndex().row(), 0); // the new picture is selected and shown
    QVERIFY(form.btnEditImage->isEnabled());
    QVERIFY(form.btnDelImage->isEnabled());
    const QByteArray before = diy->ledData();

    // Editing it again: the square under the round area replaces the picture.
    QSize editorSize;
    answers.then([&editorSize](QWidget *modal) {
        auto *editor = qobject_cast<DiyForm *>(modal);
        if (!editor)
            return false;
        editorSize = editor->size();
        editor->findChild<QAbstractButton *>(QStringLiteral("btnShapeDel"))->click();
        auto *canvas = editor->findChild<DiyPainter *>();
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(150, 200));
        for (int y = 200; y <= 300; y += 10) {
            QMouseEvent move(QEvent::MouseMove, QPointF(150, y), QPointF(), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(canvas, &move);
        }
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(150, 300));
        QTimer::singleShot(0, editor->findChild<QPushButton *>(QStringLiteral("okBut")), &QPushButton::click);
        return true;
    });
    answers.thenAnswer(QMessageBox::No);
    form.btnEditImage->click();
    QVERIFY(answers.done());
    QCOMPARE(editorSize, main.size()); // sized like the main window
    QCOMPARE(main.pictureList().size(), 1);
    QCOMPARE(QImage(diy->sourcePath()).pixel(150, 250), qRgb(0, 0, 0)); // the outline rubbed out
    QVERIFY(diy->ledData() != before);
    QCOMPARE(diy->ledData(), PolarSampling::ledDataOf(QImage(diy->sourcePath()), 112, 450));

    // A rejected editor leaves the list as it was.
    thenCancelEditor(answers);
    form.actionNewDiy->trigger();
    QVERIFY(answers.done());
    QCOMPARE(main.pictureList().size(), 1);
}

QTEST_MAIN(TestDiyPictureFlow)
#include "tst_diypictureflow.moc"
