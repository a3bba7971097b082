#include "app/toolbaricons.h"

#include <QImage>
#include <QTest>

using namespace orvane;

namespace {

QImage Small(const QIcon& icon) {
    return icon.pixmap(QSize(16, 16), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

QIcon Image(bool object, int number) {
    return object ? ObjectToolbarImage(number) : StandardToolbarImage(number);
}

} // namespace

class TestToolbarIcons : public QObject {
    Q_OBJECT

private slots:
    void drawsEachImage_data() {
        QTest::addColumn<bool>("object");
        QTest::addColumn<int>("number");
        const char* standard[] = {"new",   "open", "save", "print",   "cut", "copy",
                                  "paste", "find", "help", "preview", "run"};
        const char* object[] = {"label",    "font",  "text field", "text area",
                                "checkbox", "radio", "button",     "scrollbar"};
        for (int i = 0; i < 11; ++i)
            QTest::newRow(standard[i]) << false << i + 1;
        for (int i = 0; i < 8; ++i)
            QTest::newRow(object[i]) << true << i + 1;
    }

    void drawsEachImage() {
        QFETCH(bool, object);
        QFETCH(int, number);
        const QIcon icon = Image(object, number);
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        const QImage image = Small(icon);
        QCOMPARE(image.size(), QSize(16, 16));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // the toolbar shows through
        int inked = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                inked += qAlpha(image.pixel(x, y)) > 0;
        QVERIFY2(inked >= 40, qPrintable(QString::number(inked)));
    }

    void imagesAreDistinct() {
        QList<QImage> images;
        for (int i = 1; i <= 11; ++i)
            images << Small(StandardToolbarImage(i));
        for (int i = 1; i <= 8; ++i)
            images << Small(ObjectToolbarImage(i));
        for (qsizetype a = 0; a < images.size(); ++a)
            for (qsizetype b = a + 1; b < images.size(); ++b)
                QVERIFY2(images[a] != images[b],
                         qPrintable(QStringLiteral("%1 == %2").arg(a).arg(b)));
    }

    void outOfRangeIsNull_data() {
        QTest::addColumn<bool>("object");
        QTest::addColumn<int>("number");
        QTest::newRow("standard 0") << false << 0;
        QTest::newRow("standard 12") << false << 12;
        QTest::newRow("object 0") << true << 0;
        QTest::newRow("object 9") << true << 9;
    }

    void outOfRangeIsNull() {
        QFETCH(bool, object);
        QFETCH(int, number);
        QVERIFY(Image(object, number).isNull());
    }
};

QTEST_MAIN(TestToolbarIcons)
#include "tst_toolbaricons.moc"
