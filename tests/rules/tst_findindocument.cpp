#include "search/findindocument.h"

#include <QTest>

using namespace orvane;

class TestFindInDocument : public QObject {
    Q_OBJECT

private slots:
    void findsTheFirstOccurrence_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("position"); // -1: not found

        QTest::newRow("exact") << "alpha beta beta"
                               << "beta" << 6;
        QTest::newRow("capitals") << "alpha BETA"
                                  << "beta" << 6;
        QTest::newRow("accented capitals") << "Ölfass und öl"
                                           << "ÖL" << 0;
        QTest::newRow("greek") << "ΑΛΦΑ"
                               << "λφ" << 1;
        QTest::newRow("cyrillic") << "привет МИР"
                                  << "мир" << 7;
        QTest::newRow("counts line breaks") << "a\r\nbc"
                                            << "C" << 4;
        QTest::newRow("missing") << "alpha"
                                 << "beta" << -1;
        QTest::newRow("empty search") << "alpha"
                                      << "" << 0;
        QTest::newRow("empty search, empty text") << ""
                                                  << "" << -1;
        QTest::newRow("empty text") << ""
                                    << "a" << -1;
    }

    void findsTheFirstOccurrence() {
        QFETCH(QString, text);
        QFETCH(QString, search);
        QFETCH(int, position);
        QCOMPARE(FindInDocument(text, search).value_or(-1), position);
    }

    void captionDecidesTheMode() {
        QCOMPARE(SearchModeForCaption(QStringLiteral("Find")), SearchMode::Find);
        QCOMPARE(SearchModeForCaption(QStringLiteral("Replace")), SearchMode::Replace);
        QCOMPARE(SearchModeForCaption(QStringLiteral("find")), SearchMode::Replace);
        QCOMPARE(SearchModeForCaption(QStringLiteral("Find and Replace")), SearchMode::Replace);
    }

    void onlyBlanksAreTrimmed() {
        const SearchOutcome outcome =
            SearchDocument(SearchMode::Replace, QStringLiteral("a\tb b"), QStringLiteral("\tb "),
                           QStringLiteral(" \tc "), true);
        QCOMPARE(outcome.start, 1);
        QCOMPARE(outcome.length, 2);
        QCOMPARE(outcome.replacement, std::optional<QString>(QStringLiteral("\tc")));
        QVERIFY(!outcome.closeDialog);
    }
};

QTEST_APPLESS_MAIN(TestFindInDocument)
#include "tst_findindocument.moc"
