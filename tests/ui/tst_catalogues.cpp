// The three application catalogues against the code: every text the code
// passes through tr() has an entry in each, English reads in English, and the
// .ts files are what the update command makes of the code as it stands.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QStringList kCatalogues = {QStringLiteral("translate_zh_CN"), QStringLiteral("translate_zh_HK"),
                                 QStringLiteral("translate_en_US")};
const QString kUpdate = QStringLiteral("cmake --build build --target update_translations");

struct Text
{
    QString context;
    QString source;
    QString comment;
};

// The texts of a .ts file, as lupdate lists them; vanished entries excluded.
QList<Text> textsOf(const QString &tsPath)
{
    QList<Text> texts;
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QString context;
    Text current;
    bool vanished = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message") && !vanished)
                texts.append(current);
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            current = Text{context, QString(), QString()};
            vanished = false;
        } else if (name == QLatin1String("source")) {
            current.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            current.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            vanished = type == QLatin1String("vanished") || type == QLatin1String("obsolete");
        }
    }
    return texts;
}

// Runs lupdate over the update command's sources into the given .ts files;
// empty on success.
QString runLupdate(const QStringList &tsFiles)
{
    if (!QFile::exists(QStringLiteral(ROTAVUE_LUPDATE_LIST)))
        return QStringLiteral("no list of sources at " ROTAVUE_LUPDATE_LIST);
    QProcess lupdate;
    QStringList arguments = QStringLiteral(ROTAVUE_LUPDATE_OPTIONS).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    arguments << QStringLiteral("@" ROTAVUE_LUPDATE_LIST) << QStringLiteral("-ts") << tsFiles;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(ROTAVUE_LUPDATE), arguments);
    if (!lupdate.waitForFinished(120000) || lupdate.exitStatus() != QProcess::NormalExit || lupdate.exitCode() != 0)
        return QStringLiteral("lupdate failed: ") + QString::fromLocal8Bit(lupdate.readAll());
    return QString();
}

// An ASCII key such as "dialog_title_tip", which no user should ever see.
bool isKey(const QString &source)
{
    static const QRegularExpression key(QStringLiteral("^[a-z][a-z0-9]*(_[a-z0-9]+)+$"));
    return key.match(source).hasMatch();
}

// Names rather than texts, the same in every language: a font family.
bool isName(const QString &source)
{
    return source == QStringLiteral("黑体");
}

bool hasChinese(const QString &text)
{
    for (const QChar c : text) {
        if ((c.unicode() >= 0x3000 && c.unicode() <= 0x9FFF) || (c.unicode() >= 0xFF00 && c.unicode() <= 0xFFEF))
            return true;
    }
    return false;
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir scratch;
    QList<Text> used; // every text the code translates

private slots:
    void initTestCase()
    {
        QVERIFY(scratch.isValid());
        const QString fresh = scratch.filePath(QStringLiteral("fresh_en.ts"));
        const QString problem = runLupdate({fresh});
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        used = textsOf(fresh);
        QVERIFY(used.size() > 50);
    }

    void everyTextHasAnEntry_data()
    {
        QTest::addColumn<QString>("catalogue");
        for (const QString &name : kCatalogues)
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyTextHasAnEntry()
    {
        QFETCH(QString, catalogue);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/ts/") + catalogue + QStringLiteral(".qm")));
        const bool english = catalogue.endsWith(QLatin1String("en_US"));
        QStringList faults;
        for (const Text &text : used) {
            const QByteArray context = text.context.toUtf8();
            const QByteArray source = text.source.toUtf8();
            const QByteArray comment = text.comment.toUtf8();
            const QString shown = translator.translate(context.constData(), source.constData(),
                                                       text.comment.isEmpty() ? nullptr : comment.constData());
            const QString where = text.context + QStringLiteral(": \"") + text.source + QLatin1Char('"');
            if (shown.isEmpty())
                faults << QStringLiteral("no entry for ") + where;
            else if (isKey(text.source) && shown == text.source)
                faults << QStringLiteral("the key itself for ") + where;
            else if (english && hasChinese(shown) && !text.source.startsWith(QLatin1String("language_"))
                     && !isName(text.source))
                faults << QStringLiteral("Chinese in English for ") + where + QStringLiteral(": ") + shown;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(catalogue + QStringLiteral(":\n  ") + faults.join(QStringLiteral("\n  "))));
    }

    void cataloguesAreUpToDate()
    {
        QStringList copies;
        for (const QString &name : kCatalogues) {
            const QString original = QStringLiteral(ROTAVUE_SOURCE_DIR "/resources/ts/") + name + QStringLiteral(".ts");
            const QString copy = scratch.filePath(name + QStringLiteral(".ts"));
            QFile::remove(copy);
            QVERIFY2(QFile::copy(original, copy), qPrintable(original));
            copies << copy;
        }
        const QString problem = runLupdate(copies);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QStringList stale;
        for (const QString &name : kCatalogues) {
            QFile original(QStringLiteral(ROTAVUE_SOURCE_DIR "/resources/ts/") + name + QStringLiteral(".ts"));
            QFile updated(scratch.filePath(name + QStringLiteral(".ts")));
            QVERIFY(original.open(QIODevice::ReadOnly) && updated.open(QIODevice::ReadOnly));
            if (original.readAll() != updated.readAll())
                stale << name;
        }
        QVERIFY2(stale.isEmpty(), qPrintable(stale.join(QStringLiteral(", ")) + QStringLiteral(
                                                 " out of date with the code: run ") + kUpdate));
    }
};

QTEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
