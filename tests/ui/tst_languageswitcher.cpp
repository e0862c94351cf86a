// Switching languages installs each language's catalogues once.
#include "ui/LanguageSwitcher.h"

#include <QCoreApplication>
#include <QTest>

class TestLanguageSwitcher : public QObject
{
    Q_OBJECT
private slots:
    void switchesOnlyOnChange();
    void catalogues_data();
    void catalogues();
};

void TestLanguageSwitcher::switchesOnlyOnChange()
{
    LanguageSwitcher languages;
    QCOMPARE(languages.current(), LanguageSwitcher::None);
    QVERIFY(languages.switchTo(LanguageSwitcher::EnUs));
    QVERIFY(!languages.switchTo(LanguageSwitcher::EnUs)); // a second English click does nothing
    QVERIFY(languages.switchTo(LanguageSwitcher::ZhCn));
    QCOMPARE(languages.current(), LanguageSwitcher::ZhCn);
}

void TestLanguageSwitcher::catalogues_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("app");
    QTest::addColumn<QString>("toolkit");
    QTest::newRow("simplified") << int(LanguageSwitcher::ZhCn) << ":/ts/translate_zh_CN.qm" << ":/ts/qt_zh_CN.qm";
    QTest::newRow("traditional") << int(LanguageSwitcher::ZhHk) << ":/ts/translate_zh_HK.qm" << ":/ts/qt_zh_TW.qm";
    QTest::newRow("English: toolkit texts built in") << int(LanguageSwitcher::EnUs) << ":/ts/translate_en_US.qm"
                                                      << QString();
}

void TestLanguageSwitcher::catalogues()
{
    QFETCH(int, language);
    QFETCH(QString, app);
    QFETCH(QString, toolkit);
    QCOMPARE(LanguageSwitcher::appCatalogue(LanguageSwitcher::Language(language)), app);
    QCOMPARE(LanguageSwitcher::qtCatalogue(LanguageSwitcher::Language(language)), toolkit);
}

QTEST_GUILESS_MAIN(TestLanguageSwitcher)
#include "tst_languageswitcher.moc"
