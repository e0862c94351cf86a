#include "app/AboutText.h"

#include <QtGlobal>

#include <opencv2/core/version.hpp>
#include <vlc/libvlc.h>

#ifndef ROTAVUE_VERSION
#define ROTAVUE_VERSION "unknown"
#endif

QString AboutText::programVersion()
{
    return QStringLiteral(ROTAVUE_VERSION);
}

QList<AboutText::Library> AboutText::libraries()
{
    // The versions the program runs with, where the library tells; else the one it was built with.
    return {
        {QStringLiteral("Qt"), QString::fromLatin1(qVersion()), QStringLiteral("LGPL-3.0-only")},
        {QStringLiteral("OpenCV core"), QStringLiteral(CV_VERSION), QStringLiteral("Apache-2.0")},
        {QStringLiteral("libVLC"), QString::fromUtf8(libvlc_get_version()), QStringLiteral("LGPL-2.1-or-later")},
        {QStringLiteral("SQLite (Qt SQL driver)"), QString(), QStringLiteral("public domain")},
    };
}

QString AboutText::html()
{
    QString text = QStringLiteral("<h3>Rotavue %1</h3><p>%2</p><p>%3</p><ul>")
                       .arg(programVersion().toHtmlEscaped(),
                            tr("Authoring tool for spinning LED displays.").toHtmlEscaped(),
                            tr("Built with these libraries:").toHtmlEscaped());
    for (const Library &library : libraries()) {
        const QString name = library.version.isEmpty() ? library.name : library.name + QLatin1Char(' ') + library.version;
        text += QStringLiteral("<li>%1 — %2</li>").arg(name.toHtmlEscaped(), library.licence.toHtmlEscaped());
    }
    return text + QStringLiteral("</ul>");
}
