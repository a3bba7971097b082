#include "document/editorfont.h"

#include <QTest>

using namespace orvane;

class TestEditorFont : public QObject {
    Q_OBJECT

private slots:
    void choosesTheFont_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("size");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::newRow("stored pair") << "Arial"
                                     << "14" << true << "Arial" << 14.0;
        QTest::newRow("fraction") << "Arial"
                                  << "10.5" << true << "Arial" << 10.5;
        QTest::newRow("blanks around the size") << "Arial"
                                                << " 12 " << true << "Arial" << 12.0;
        QTest::newRow("smallest") << "Arial"
                                  << "1" << true << "Arial" << 1.0;
        QTest::newRow("largest") << "Arial"
                                 << "1638" << true << "Arial" << 1638.0;
        QTest::newRow("no name") << ""
                                 << "14" << true << "Courier New" << 11.0;
        QTest::newRow("size of an unreadable box") << "Arial"
                                                   << "0" << false << "Courier New" << 11.0;
        QTest::newRow("no size") << "Arial"
                                 << "" << false << "Courier New" << 11.0;
        QTest::newRow("not a number") << "Arial"
                                      << "abc" << false << "Courier New" << 11.0;
        QTest::newRow("negative") << "Arial"
                                  << "-3" << false << "Courier New" << 11.0;
        QTest::newRow("too large") << "Arial"
                                   << "1639" << false << "Courier New" << 11.0;
        QTest::newRow("decimal comma") << "Arial"
                                       << "10,5" << false << "Courier New" << 11.0;
        QTest::newRow("not a number value") << "Arial"
                                            << "nan" << false << "Courier New" << 11.0;
        QTest::newRow("infinite") << "Arial"
                                  << "inf" << false << "Courier New" << 11.0;
    }

    void choosesTheFont() {
        QFETCH(QString, name);
        QFETCH(QString, size);
        QFETCH(bool, usable);
        QFETCH(QString, family);
        QFETCH(double, points);
        QCOMPARE(IsUsableFontSize(size), usable);
        const EditorFont font = ChooseEditorFont(name, size);
        QCOMPARE(font.family, family);
        QCOMPARE(font.pointSize, points);
    }
};

QTEST_APPLESS_MAIN(TestEditorFont)
#include "tst_editorfont.moc"
