#include "app/versiontext.h"

#include <QTest>

using namespace orvane;

class TestVersionText : public QObject {
    Q_OBJECT

private slots:
    void joinsTheNumbers_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.0 revision 1") << 1 << 0 << 1 << "1.01";
        QTest::newRow("2.3 revision 0") << 2 << 3 << 0 << "2.30";
        QTest::newRow("2.3 revision 14") << 2 << 3 << 14 << "2.314";
    }

    void joinsTheNumbers() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, text);
        QCOMPARE(VersionText(major, minor, revision), text);
    }
};

QTEST_APPLESS_MAIN(TestVersionText)
#include "tst_versiontext.moc"
