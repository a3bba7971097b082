#include "app/mainframe.h"
#include "document/documentwindow.h"
#include "document/printcommand.h"
#include "fakedesktop.h"
#include "settings/settingsstore.h"
#include "testsettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;
using orvane::test::FakeDesktop;
using orvane::test::TemporarySettings;

class TestPrintCommand : public QObject {
    Q_OBJECT

    TemporarySettings settings_;

private slots:
    void asksBeforePrinting_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("untitled") << QStringLiteral("Untitled") << QStringLiteral("UNTITLED");
        QTest::newRow("saved") << QStringLiteral("HELLO.JAVA") << QStringLiteral("HELLO.JAVA");
    }

    void asksBeforePrinting() {
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        FakeDesktop fake;
        SettingsStore store;
        MainFrame frame(fake, store);
        frame.start();
        fake.messages.clear();
        QTemporaryDir folder;
        fake.printerOutputFile = folder.filePath(QStringLiteral("out.pdf"));
        DocumentWindow* window = frame.activeDocument();
        window->text().setText(QStringLiteral("class A {}"));
        window->setCaption(caption);

        PrintDocument(frame); // unanswered: No
        QCOMPARE(fake.messages.size(), 1);
        const Message& question = fake.messages.constFirst();
        QCOMPARE(question.text, QStringLiteral("Ready to print: [") + shown +
                                    QStringLiteral("].\r\n\r\nDo you want to print it now?"));
        QCOMPARE(question.title, QStringLiteral("Orvane"));
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.icon, MessageIcon::Question);
        QVERIFY(!QFile::exists(fake.printerOutputFile));
    }

    void reportsPrinterFailure_data() {
        QTest::addColumn<QString>("output");
        QTest::newRow("no printer") << QString();
        QTest::newRow("printer that cannot start") << QStringLiteral("/nonexistent/folder/out.pdf");
    }

    void reportsPrinterFailure() {
        QFETCH(QString, output);
        FakeDesktop fake;
        SettingsStore store;
        MainFrame frame(fake, store);
        frame.start();
        fake.messages.clear();
        fake.printerOutputFile = output;
        frame.activeDocument()->text().setText(QStringLiteral("class A {}"));
        fake.answerMessage(MessageAnswer::Yes);
        PrintDocument(frame);
        QCOMPARE(fake.messages.size(), 2);
        const Message& report = fake.messages.at(1);
        QCOMPARE(report.text,
                 QStringLiteral("An unexpected error has occured.\r\n\r\nError Number: "
                                "482\r\nDescription: Printer error\r\n\r\n"));
        QCOMPARE(report.icon, MessageIcon::Information);
        QCOMPARE(fake.busyAtMessages.at(1), 0);
        QCOMPARE(fake.busyDepth, 0);
    }

    // An emptied document still prints: a job with nothing on it.
    void printsEmptyDocument() {
        FakeDesktop fake;
        SettingsStore store;
        MainFrame frame(fake, store);
        frame.start();
        QTemporaryDir folder;
        fake.printerOutputFile = folder.filePath(QStringLiteral("out.pdf"));
        fake.answerMessage(MessageAnswer::Yes);
        PrintDocument(frame);
        QFile pdf(fake.printerOutputFile);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.readAll().startsWith("%PDF"));
        QCOMPARE(fake.busyDepth, 0);
    }
};

QTEST_MAIN(TestPrintCommand)
#include "tst_printcommand.moc"
