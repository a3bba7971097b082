#include "document/documentwindow.h"
#include "document/printcommand.h"
#include "testframe.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;

namespace {

QString withoutSpace(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// Pages of Java with tabs, letters beyond ASCII, every ASCII punctuation mark and one identifier
// far wider than the paper.
QString longJavaText() {
    QString text = QStringLiteral("public class Gr\u00FC\u00DFe {\r\n");
    for (int line = 0; line < 120; ++line)
        text += "\tint value" + QString::number(line) +
                " = 7; // caf\u00E9 !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~\r\n";
    return text + "\tint " + QString("veryLongName").repeated(30) + " = 1;\r\n}\r\n";
}

} // namespace

class TestPrintPdf : public QObject {
    Q_OBJECT

    test::TestFrame test_;
    test::FakeDesktop& fake_ = test_.desktop;
    QTemporaryDir folder_;

    // Answers Yes and prints; what pdftotext reads back, pages split by form feeds.
    QString printed(MainFrame& frame) {
        fake_.answerMessage(MessageAnswer::Yes);
        PrintDocument(frame);
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {fake_.printerOutputFile, QStringLiteral("-")});
        process.waitForFinished(60000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private slots:
    void initTestCase() {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "pdftotext is missing: install poppler-utils");
        QVERIFY(test_.start());
    }

    // No prints nothing; Yes prints the selection, or the whole text when there is none, or
    // reports that there is no printer.
    void printsTheSelectionOrTheWholeText() {
        MainFrame& frame = test_.frame();
        fake_.printerOutputFile = folder_.filePath(QStringLiteral("out.pdf"));
        DocumentText document = frame.activeDocument()->text();
        document.setText(longJavaText());
        PrintDocument(frame); // unanswered: No
        QVERIFY(!QFile::exists(fake_.printerOutputFile));
        QCOMPARE(fake_.messages.constLast().text,
                 QStringLiteral("Ready to print: [UNTITLED].\r\n\r\nDo you want to print it now?"));

        const QString whole = printed(frame);
        QCOMPARE(withoutSpace(whole), withoutSpace(document.text()));
        QVERIFY(whole.count(u'\f') > 1);
        document.setSelStart(7);
        document.setSelLength(19);
        QCOMPARE(withoutSpace(printed(frame)), QStringLiteral("classGr\u00FC\u00DFe{int"));

        fake_.printerOutputFile.clear();
        fake_.answerMessage(MessageAnswer::Yes);
        PrintDocument(frame);
        QVERIFY(fake_.messages.constLast().text.contains(QStringLiteral("Error Number: 482\r\n")));
    }
};

QTEST_MAIN(TestPrintPdf)
#include "tst_printpdf.moc"
