#include "ui/RowEditor.h"

#include "messaging/HandlerMessage.h"
#include "messaging/Message.h"
#include "messaging/WhatCodes.h"

#include <QEvent>
#include <QPainter>
#include <QSet>

namespace {
QSet<const void *> &liveEditors() // UI thread only
{
    static QSet<const void *> editors;
    return editors;
}
}

RowEditor::RowEditor(HandlerMessage *handler, const QModelIndex &index, QWidget *parent)
    : QWidget(parent), modelIndex(index), handler(handler)
{
    liveEditors().insert(this);
}

void RowEditor::lightText(QWidget *label)
{
    // Labels on the blue of the row being edited need light text.
    QPalette light = label->palette();
    light.setColor(QPalette::WindowText, Qt::white);
    light.setColor(QPalette::Text, Qt::white); // inside a view the labels draw with the text role
    label->setPalette(light);
}

RowEditor::~RowEditor()
{
    liveEditors().remove(this);
    if (heldCode && handler)
        handler->removeHandlerMessages(heldCode);
}

bool RowEditor::isAlive(const void *editor)
{
    return liveEditors().contains(editor);
}

RowEditor *RowEditor::ofStep(const Message *msg)
{
    switch (msg ? msg->what : 0) {
    case WhatCode::TimeUp:
        return msg->payload<WhatCode::TimeUp>();
    case WhatCode::TimeDown:
        return msg->payload<WhatCode::TimeDown>();
    case WhatCode::LoopUp:
        return msg->payload<WhatCode::LoopUp>();
    case WhatCode::LoopDown:
        return msg->payload<WhatCode::LoopDown>();
    default:
        return nullptr;
    }
}

bool RowEditor::wantsStep(int what) const
{
    return heldCode == what || firstStepCode == what;
}

bool RowEditor::stepDone(int what)
{
    if (firstStepCode == what)
        firstStepCode = 0;
    return heldCode == what;
}

void RowEditor::pressStep(int what)
{
    heldCode = what;
    firstStepCode = what;
    if (!handler)
        return;
    handler->sendHandlerMessage(handler->obtainMessage(what, this));
}

void RowEditor::releaseStep(int what)
{
    if (heldCode == what)
        heldCode = 0;
    // Before its first step the only pending message is the press itself: let it through.
    if (firstStepCode != what && handler)
        handler->removeHandlerMessages(what);
}

void RowEditor::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void RowEditor::paintEvent(QPaintEvent *)
{
    // The row being edited stands out in solid blue.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::blue);
}
