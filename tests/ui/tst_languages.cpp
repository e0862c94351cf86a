// Switching languages: each language's catalogues loaded once, the toolkit's
// texts back to English after Chinese, windows that are open retranslated,
// and a font for the Chinese texts.
#include "edit/UpdateImageContract.h"
#include "ui/LanguageSwitcher.h"
#include "ui/UpdateLedCountDialog.h"

#include "LogCapture.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

QString toolkitCancel()
{
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void englishTwiceLoadsOnce()
    {
        LanguageSwitcher languages;
        QCOMPARE(LanguageSwitcher::currentLanguage(), int(LanguageSwitcher::NoLanguage));
        QSignalSpy changed(&languages, &LanguageSwitcher::languageChanged);
        LogCapture log;
        QVERIFY(languages.select(LanguageSwitcher::English));
        QVERIFY(!languages.select(LanguageSwitcher::English));
        QCOMPARE(log.count(QStringLiteral("onBtnEnUsClick")), 2);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(LanguageSwitcher::currentLanguage(), int(LanguageSwitcher::English));
        QCOMPARE(QCoreApplication::translate("UpdateImageContract", "updatecontract_btn_title"),
                 QStringLiteral("Adjust the contrast"));
    }

    void noLanguageOnceTheSwitcherIsGone()
    {
        {
            LanguageSwitcher languages;
            languages.select(LanguageSwitcher::SimplifiedChinese);
        }
        QCOMPARE(LanguageSwitcher::currentLanguage(), int(LanguageSwitcher::NoLanguage));
        QCOMPARE(QCoreApplication::translate("UpdateImageContract", "updatecontract_btn_title"),
                 QStringLiteral("updatecontract_btn_title"));
        // A new switcher loads English again rather than believing it in force.
        LanguageSwitcher again;
        QVERIFY(again.select(LanguageSwitcher::English));
    }

    void eachLanguageHasItsTexts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("debugLine");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("simplified") << int(LanguageSwitcher::SimplifiedChinese) << QStringLiteral("onBtnZhCnClick")
                                    << QStringLiteral("调整对比度") << QStringLiteral("取消");
        QTest::newRow("traditional") << int(LanguageSwitcher::TraditionalChinese) << QStringLiteral("onBtnZhHkClick")
                                     << QStringLiteral("調整對比度") << QStringLiteral("取消");
        QTest::newRow("english") << int(LanguageSwitcher::English) << QStringLiteral("onBtnEnUsClick")
                                 << QStringLiteral("Adjust the contrast") << QStringLiteral("Cancel");
    }

    void eachLanguageHasItsTexts()
    {
        QFETCH(int, language);
        QFETCH(QString, debugLine);
        QFETCH(QString, title);
        QFETCH(QString, cancel);
        LanguageSwitcher languages;
        LogCapture log;
        QVERIFY(languages.select(LanguageSwitcher::Language(language)));
        QCOMPARE(log.count(debugLine), 1);
        QCOMPARE(QCoreApplication::translate("UpdateImageContract", "updatecontract_btn_title"), title);
        QCOMPARE(toolkitCancel(), cancel);
    }

    void toolkitTextsAreEnglishAgainAfterChinese()
    {
        LanguageSwitcher languages;
        languages.select(LanguageSwitcher::TraditionalChinese);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Close"), QStringLiteral("關閉"));
        languages.select(LanguageSwitcher::SimplifiedChinese);
        QCOMPARE(toolkitCancel(), QStringLiteral("取消"));
        QDialogButtonBox open(QDialogButtonBox::Cancel);
        languages.select(LanguageSwitcher::English);
        QCOMPARE(toolkitCancel(), QStringLiteral("Cancel"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Close"), QStringLiteral("Close"));
        QTRY_COMPARE(open.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
    }

    void openWindowsFollowTheLanguage()
    {
        LanguageSwitcher languages;
        languages.select(LanguageSwitcher::English);
        UpdateLedCountDialog leds;
        UpdateImageContract contrast(nullptr, nullptr);
        auto *contrastLabel = contrast.findChild<QLabel *>(QStringLiteral("label"));
        QCOMPARE(leds.windowTitle(), QStringLiteral("Change the LED count"));
        QCOMPARE(contrastLabel->text(), QStringLiteral("Contrast:"));

        languages.select(LanguageSwitcher::TraditionalChinese);
        QTRY_COMPARE(leds.windowTitle(), QStringLiteral("修改LED數量"));
        QCOMPARE(leds.findChild<QPushButton *>(QStringLiteral("cancelButton"))->text(), QStringLiteral("取消"));
        QTRY_COMPARE(contrastLabel->text(), QStringLiteral("對比度："));
        QCOMPARE(contrast.windowTitle(), QStringLiteral("調整對比度"));
    }

    void chineseHasAFont()
    {
        QVERIFY2(!QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty(),
                 "no font for simplified Chinese: run scripts/install-deps.sh");
        QVERIFY(!QFontDatabase::families(QFontDatabase::TraditionalChinese).isEmpty());
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
