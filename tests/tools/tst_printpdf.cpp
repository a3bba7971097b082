#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "document/printcommand.h"
#include "fakedesktop.h"
#include "settings/settingsstore.h"
#include "testsettings.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;
using orvane::test::FakeDesktop;
using orvane::test::TemporarySettings;

namespace {

// The text pdftotext reads back from `pdf`, page breaks as form feeds.
QString pdfText(const QString& pdf) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return QStringLiteral("<pdftotext is not installed>");
    QProcess process;
    process.start(tool, {pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<pdftotext failed: ") +
               QString::fromUtf8(process.readAllStandardError()) + u'>';
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString withoutSpace(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// A Java source of several pages with every printable ASCII character, tabs, letters beyond
// ASCII and one identifier far wider than the paper.
QString longJavaText() {
    QString text = QStringLiteral("import java.applet.*;\r\nimport java.awt.*;\r\n\r\n"
                                  "public class Gr\u00FC\u00DFe extends Applet {\r\n");
    QString ascii;
    for (char16_t c = 33; c < 127; ++c)
        ascii += QChar(c);
    for (int line = 0; line < 120; ++line) {
        text += QStringLiteral("\tint value%1 = %2; // caf\u00E9 %3\r\n")
                    .arg(line)
                    .arg(line * 7)
                    .arg(ascii.mid(line % 60, 30));
    }
    text += QStringLiteral("\tString all = \"") + ascii + QStringLiteral("\";\r\n");
    text += QStringLiteral("\tint ") + QStringLiteral("veryLongName").repeated(30) +
            QStringLiteral(" = 1;\r\n}\r\n");
    return text;
}

} // namespace

class TestPrintPdf : public QObject {
    Q_OBJECT

    TemporarySettings settings_;

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext is missing: install poppler-utils");
    }

    void printsEveryCharacter_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<bool>("severalPages");

        const QString java = longJavaText();
        QTest::newRow("whole text") << java << 0 << 0 << java << true;
        const QString words = QStringLiteral("alpha beta\r\ngamma delta epsilon");
        QTest::newRow("selection of three words")
            << words << 6 << 17 << QStringLiteral("beta\r\ngamma delta") << false;
    }

    void printsEveryCharacter() {
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, printed);
        QFETCH(bool, severalPages);
        FakeDesktop fake;
        SettingsStore store;
        MainFrame frame(fake, store);
        frame.start();
        QTemporaryDir folder;
        fake.printerOutputFile = folder.filePath(QStringLiteral("out.pdf"));
        DocumentText document = frame.activeDocument()->text();
        document.setText(text);
        document.setSelStart(selStart);
        document.setSelLength(selLength);
        fake.answerMessage(MessageAnswer::Yes);
        PrintDocument(frame);

        const QString read = pdfText(fake.printerOutputFile);
        QCOMPARE(withoutSpace(read), withoutSpace(printed));
        QCOMPARE(read.count(u'\f') > 1, severalPages);
        QCOMPARE(fake.busyDepth, 0);
    }
};

QTEST_MAIN(TestPrintPdf)
#include "tst_printpdf.moc"
