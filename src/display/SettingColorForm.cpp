#include "display/SettingColorForm.h"

#include "display/TestColorUtil.h"
#include "display/TestValue.h"

#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QLineEdit *channelEditor(QWidget *parent, QChar colour, int key)
{
    auto *editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("txt") + colour + QString::number(key));
    editor->setMaximumWidth(60);
    return editor;
}

} // namespace

SettingColorForm::SettingColorForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SettingColorForm"));
    setWindowTitle(tr("颜色参数设置"));
    setModal(true);

    auto *rows = new QWidget;
    auto *grid = new QGridLayout(rows);
    for (int key = 1; key <= TestColorUtil::stepCount; ++key)
        addRow(grid, key);

    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setWidget(rows);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    resize(420, 520);
}

void SettingColorForm::addRow(QGridLayout *grid, int key)
{
    QWidget *rows = grid->parentWidget();
    const int row = key - 1;
    grid->addWidget(new QLabel(QString::number(key) + QLatin1Char('.'), rows), row, 0);
    const struct {
        QChar colour;
        const char *label;
    } channels[] = {{QLatin1Char('R'), "R:"}, {QLatin1Char('G'), "G:"}, {QLatin1Char('B'), "B:"}};
    QLineEdit *editors[3];
    for (int c = 0; c < 3; ++c) {
        grid->addWidget(new QLabel(QLatin1String(channels[c].label), rows), row, 1 + 2 * c);
        editors[c] = channelEditor(rows, channels[c].colour, key);
        grid->addWidget(editors[c], row, 2 + 2 * c);
    }

    TestValue *entry = TestColorUtil::instance()->value(key);
    if (!entry)
        return;
    // Direct: the entry may belong to the thread that first converted a
    // picture, and the table must change with the keystroke, not later.
    for (QLineEdit *editor : editors)
        editor->setValidator(entry->validator());
    connect(editors[0], &QLineEdit::textChanged, entry, &TestValue::onTxtRChanged, Qt::DirectConnection);
    connect(editors[1], &QLineEdit::textChanged, entry, &TestValue::onTxtGChanged, Qt::DirectConnection);
    connect(editors[2], &QLineEdit::textChanged, entry, &TestValue::onTxtBChanged, Qt::DirectConnection);
    editors[0]->setText(QString::number(entry->red()));
    editors[1]->setText(QString::number(entry->green()));
    editors[2]->setText(QString::number(entry->blue()));
}
