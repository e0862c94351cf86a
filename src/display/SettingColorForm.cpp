#include "display/SettingColorForm.h"

#include "display/TestColorUtil.h"
#include "display/TestValue.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
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
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::RestoreDefaults, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    QPushButton *reset = buttons->button(QDialogButtonBox::RestoreDefaults);
    reset->setObjectName(QStringLiteral("btnReset"));
    reset->setText(tr("Reset to defaults"));
    reset->setAutoDefault(false); // Enter in a box is not a reset
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("btnClose"));
    connect(reset, &QPushButton::clicked, this, &SettingColorForm::onBtnResetClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept); // every change is already in force
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    resize(420, 560);
}

void SettingColorForm::onBtnResetClick()
{
    TestColorUtil::instance()->resetToDefaults();
    showTable();
}

void SettingColorForm::showTable()
{
    for (int key = 1; key <= editors.size(); ++key) {
        const TestValue *entry = TestColorUtil::instance()->value(key);
        if (!entry)
            continue;
        // Writing the box stores the same value again.
        editors[key - 1][0]->setText(QString::number(entry->red()));
        editors[key - 1][1]->setText(QString::number(entry->green()));
        editors[key - 1][2]->setText(QString::number(entry->blue()));
    }
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
    std::array<QLineEdit *, 3> boxes;
    for (int c = 0; c < 3; ++c) {
        grid->addWidget(new QLabel(QLatin1String(channels[c].label), rows), row, 1 + 2 * c);
        boxes[c] = channelEditor(rows, channels[c].colour, key);
        grid->addWidget(boxes[c], row, 2 + 2 * c);
    }
    editors.append(boxes);

    TestValue *entry = TestColorUtil::instance()->value(key);
    if (!entry)
        return;
    // Direct: the entry may belong to the thread that first converted a
    // picture, and the table must change with the keystroke, not later.
    for (QLineEdit *editor : boxes)
        editor->setValidator(entry->validator());
    connect(boxes[0], &QLineEdit::textChanged, entry, &TestValue::onTxtRChanged, Qt::DirectConnection);
    connect(boxes[1], &QLineEdit::textChanged, entry, &TestValue::onTxtGChanged, Qt::DirectConnection);
    connect(boxes[2], &QLineEdit::textChanged, entry, &TestValue::onTxtBChanged, Qt::DirectConnection);
    boxes[0]->setText(QString::number(entry->red()));
    boxes[1]->setText(QString::number(entry->green()));
    boxes[2]->setText(QString::number(entry->blue()));
}
