#pragma once

#include <QByteArray>
#include <QImage>

// The bytes of picture saved in format ("PNG", "JPG", ...), for fixtures that cut or damage them.
QByteArray encodedPicture(const QImage &picture, const char *format);
