#include "edit/DiyFormHandler.h"

#include "edit/DiyForm.h"

DiyFormHandler::DiyFormHandler(DiyForm *window, HandlerThread *loop) : HandlerMessage(loop), form(window)
{
}

DiyFormHandler::~DiyFormHandler()
{
    detachFromLooper();
}

DiyForm *DiyFormHandler::window() const
{
    return form.data();
}

void DiyFormHandler::handlerMessage(Message *)
{
}
