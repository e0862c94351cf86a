#include "card/CardFileName.h"

#include <QTest>

class TestCardFileName : public QObject
{
    Q_OBJECT
private slots:
    void acceptedNames_data();
    void acceptedNames();
    void refusedNames_data();
    void refusedNames();
};

void TestCardFileName::acceptedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QStringLiteral("show");
    QTest::newRow("spaces inside") << QStringLiteral("spring fair 2");
    QTest::newRow("leading dot") << QStringLiteral(".hidden");
    QTest::newRow("chinese") << QStringLiteral("展示");
    QTest::newRow("longest") << QString(CardFileName::maxBytes, QLatin1Char('a'));
}

void TestCardFileName::acceptedNames()
{
    QFETCH(QString, name);
    QCOMPARE(CardFileName::problem(name), QString());
}

void TestCardFileName::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shownInMessage");
    QTest::newRow("slash") << QStringLiteral("shows/may") << QStringLiteral("\"/\"");
    QTest::newRow("backslash") << QStringLiteral("shows\\may") << QStringLiteral("\"\\\"");
    QTest::newRow("parent folder") << QStringLiteral("../show") << QStringLiteral("\"/\"");
    for (const char c : QByteArray(":*?\"<>|"))
        QTest::newRow(qPrintable(QStringLiteral("char %1").arg(QLatin1Char(c)))) << QStringLiteral("a%1b").arg(QLatin1Char(c))
                                                                                  << QStringLiteral("\"%1\"").arg(QLatin1Char(c));
    QTest::newRow("tab") << QStringLiteral("a\tb") << QStringLiteral("control character");
    QTest::newRow("newline") << QStringLiteral("a\nb") << QStringLiteral("control character");
    QTest::newRow("nul") << QString(QChar(0)) << QStringLiteral("control character");
    QTest::newRow("delete") << QStringLiteral("a\x7f") << QStringLiteral("control character");
    QTest::newRow("empty: would be the hidden .bin") << QString() << QStringLiteral("enter a name");
    QTest::newRow("dots") << QStringLiteral("..") << QStringLiteral("only of dots and spaces");
    QTest::newRow("spaces") << QStringLiteral("   ") << QStringLiteral("only of dots and spaces");
    QTest::newRow("too long") << QString(CardFileName::maxBytes + 1, QLatin1Char('a')) << QStringLiteral("too long");
    QTest::newRow("too long in bytes") << QString(CardFileName::maxBytes / 2, QChar(0x5C55))
                                       << QStringLiteral("too long");
}

void TestCardFileName::refusedNames()
{
    QFETCH(QString, name);
    QFETCH(QString, shownInMessage);
    const QString problem = CardFileName::problem(name);
    QVERIFY2(problem.contains(shownInMessage), qPrintable(problem));
}

QTEST_GUILESS_MAIN(TestCardFileName)
#include "tst_cardfilename.moc"
