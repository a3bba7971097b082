#include "templates/appletpage.h"
#include "templates/javatemplates.h"
#include "templates/projectrules.h"

#include <QTest>

using namespace orvane;

class TestProjectRules : public QObject {
    Q_OBJECT

private slots:
    void cleansName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("no blank") << "MyApplet"
                                  << "MyApplet";
        QTest::newRow("inner blank") << "My Applet"
                                     << "MyApplet";
        QTest::newRow("around and inside") << " My  Applet "
                                           << "MyApplet";
        QTest::newRow("fifteen blanks") << QString(15, u' ') + "a"
                                        << "a";
        QTest::newRow("sixteen blanks keep the last")
            << "a" + QString(8, u' ') + "b" + QString(8, u' ') << "ab ";
        QTest::newRow("tabs stay") << "a\tb c"
                                   << "a\tbc";
        QTest::newRow("empty") << ""
                               << "";
    }

    void cleansName() {
        QFETCH(QString, typed);
        QFETCH(QString, cleaned);
        QCOMPARE(CleanProjectName(typed), cleaned);
    }

    void trimsBlanksOnly() {
        const ProjectValues typed{QStringLiteral("  a b  "), QStringLiteral(" Jo \"JJ\" "),
                                  QStringLiteral(" \tfirst\r\nsecond \r\n  "),
                                  QStringLiteral(" 1999-2001 ")};
        const ProjectValues trimmed{QStringLiteral("a b"), QStringLiteral("Jo \"JJ\""),
                                    QStringLiteral("\tfirst\r\nsecond \r\n"),
                                    QStringLiteral("1999-2001")};
        QCOMPARE(TrimProjectValues(typed), trimmed);
        QCOMPARE(TrimProjectValues({QStringLiteral("   "), {}, {}, {}}).name, QString());
    }

    void generatesPerKind_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<int>>("files");
        QTest::addColumn<QString>("source");
        const ProjectValues v{QStringLiteral("P"), QStringLiteral("A"), QStringLiteral("D"),
                              QStringLiteral("C")};
        const QString r = QStringLiteral("9.99");
        QTest::newRow("1") << "1" << QList<int>{1, 2} << WriteStandardApplet(v, r);
        QTest::newRow("2") << "2" << QList<int>{1, 2} << WriteActionListenerApplet(v, r);
        QTest::newRow("3") << "3" << QList<int>{1, 2} << WriteMouseListenerApplet(v, r);
        QTest::newRow("4") << "4" << QList<int>{1, 2} << WriteRunnableApplet(v, r);
        QTest::newRow("5") << "5" << QList<int>{2} << WriteFrameApplication(v, r);
        QTest::newRow("0") << "0" << QList<int>{} << QString();
        QTest::newRow("6") << "6" << QList<int>{} << QString();
        QTest::newRow("empty") << "" << QList<int>{} << QString();
    }

    void generatesPerKind() {
        QFETCH(QString, kind);
        QFETCH(QList<int>, files);
        QFETCH(QString, source);
        const ProjectValues v{QStringLiteral("P"), QStringLiteral("A"), QStringLiteral("D"),
                              QStringLiteral("C")};
        const QList<ProjectText> texts = ProjectTexts(kind, v, QStringLiteral("9.99"));
        QList<int> kinds;
        for (const ProjectText& text : texts)
            kinds.append(static_cast<int>(text.kind));
        QCOMPARE(kinds, files);
        if (files.size() == 2)
            QCOMPARE(texts.first().text, WriteAppletPage(v, QStringLiteral("9.99")));
        if (!files.isEmpty())
            QCOMPARE(texts.last().text, source);
    }
};

QTEST_APPLESS_MAIN(TestProjectRules)
#include "tst_projectrules.moc"
