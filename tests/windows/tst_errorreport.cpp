#include "document/errorreport.h"
#include "document/errortrap.h"
#include "fakedesktop.h"

#include <QTest>

using namespace orvane;
using orvane::test::FakeDesktop;

namespace {

enum class Box { None, Information, Failure };

const QString nl = QStringLiteral("\r\n");

QString numberAndDescription(int number, const char* description) {
    return QStringLiteral("Error Number: ") + QString::number(number) + nl +
           QStringLiteral("Description: ") + QString::fromUtf8(description);
}

QString shortText(int number, const char* description) {
    return QStringLiteral("An unexpected error has occured.") + nl + nl +
           numberAndDescription(number, description) + nl + nl;
}

QString longText(int number, const char* description) {
    return shortText(number, description) + QStringLiteral("Write down the number and message ") +
           nl + QStringLiteral("and then contact technical support.");
}

QString systemFileText(int number, const char* description) {
    return QStringLiteral("A system file error has occured.") + nl + nl +
           numberAndDescription(number, description);
}

const QString diskNotReady =
    QStringLiteral("Disk not ready or unavailable. Also check that disk is not write protected.");
const char* undefinedError = "Application-defined or object-defined error";

} // namespace

class TestErrorReport : public QObject {
    Q_OBJECT

private slots:
    void reportsEachRange_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<Box>("box");
        QTest::addColumn<QString>("text");

        const auto row = [](int number, Box box, const QString& text) {
            QTest::addRow("%d", number) << number << box << text;
        };
        using enum Box;
        row(0, None, {});
        row(5, Information, shortText(5, "Invalid procedure call or argument"));
        row(6, None, {});
        row(7, Information,
            QStringLiteral("Out of available memory.") + nl + nl +
                QStringLiteral("Please close some open documents and try again."));
        row(8, Information, shortText(8, undefinedError));
        row(51, Information,
            QStringLiteral("An internal system error has occured.") + nl + nl +
                QStringLiteral("Plaese report error to your System Administrator."));
        row(52, Failure, systemFileText(52, "Bad file name or number"));
        row(53, Failure, systemFileText(53, "File not found"));
        row(56, Failure, systemFileText(56, undefinedError));
        row(57, Failure, diskNotReady);
        row(58, Failure, systemFileText(58, "File already exists"));
        row(60, Failure, systemFileText(60, undefinedError));
        row(61, Failure, QStringLiteral("The disk is full."));
        row(62, Failure, systemFileText(62, "Input past end of file"));
        row(66, Failure, systemFileText(66, undefinedError));
        row(67, Information,
            QStringLiteral("Not enough file handles available.") + nl + nl +
                QStringLiteral("Increase the FILES= number in file CONFIG.SYS"));
        row(68, Failure, diskNotReady);
        row(69, Failure, systemFileText(69, undefinedError));
        row(70, Failure, systemFileText(70, "Permission denied"));
        row(71, Failure, diskNotReady);
        row(72, Failure, diskNotReady);
        row(73, Failure, systemFileText(73, undefinedError));
        row(75, Failure, systemFileText(75, "Path/File access error"));
        row(76, Failure, systemFileText(76, "Path not found"));
        row(77, Information, shortText(77, undefinedError));
        row(91, Information, shortText(91, "Object variable or With block variable not set"));
        row(281, Information, longText(281, "No more DDE channels"));
        row(297, Information, longText(297, "Can't set LinkMode; invalid LinkTopic"));
        row(298, Information, shortText(298, "System DLL could not be loaded"));
        row(340, Information, longText(340, "Control array element does not exist"));
        row(344, Information, longText(344, "Must specify index for object array"));
        row(482, Information, shortText(482, "Printer error"));
        row(32755, None, {});
        row(300, Information, shortText(300, undefinedError));
    }

    void reportsEachRange() {
        QFETCH(int, number);
        QFETCH(Box, box);
        QFETCH(QString, text);
        FakeDesktop fake;
        QCOMPARE(ReportError(fake, number), int(Abandon)); // unanswered boxes are Abort or OK
        if (box == Box::None) {
            QVERIFY(fake.messages.isEmpty());
            return;
        }
        QCOMPARE(fake.messages.size(), 1);
        const Message& shown = fake.messages.constFirst();
        QCOMPARE(shown.text, text);
        QCOMPARE(shown.title, QStringLiteral("Orvane"));
        const bool failure = box == Box::Failure;
        QCOMPARE(shown.buttons, failure ? MessageButtons::AbortRetryIgnore : MessageButtons::Ok);
        QCOMPARE(shown.icon, failure ? MessageIcon::Critical : MessageIcon::Information);
    }

    void returnsTheUsersChoice_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<int>("action");
        QTest::newRow("Abort") << MessageAnswer::Abort << 3;
        QTest::newRow("Retry") << MessageAnswer::Retry << 4;
        QTest::newRow("Ignore") << MessageAnswer::Ignore << 5;
    }

    void returnsTheUsersChoice() {
        QFETCH(MessageAnswer, answer);
        QFETCH(int, action);
        FakeDesktop fake;
        fake.answerMessage(answer);
        QCOMPARE(ReportError(fake, 53), action);
    }

    // The trap: Retry runs the failed step again, Ignore goes on with the next, Abort stops;
    // the report is shown with the normal pointer.
    void runsStepsUnderTheTrap_data() {
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<QString>("ran");
        QTest::addColumn<bool>("completed");
        QTest::newRow("no failure") << QList<MessageAnswer>{} << QStringLiteral("ab!c") << true;
        QTest::newRow("abort") << QList<MessageAnswer>{MessageAnswer::Abort} << QStringLiteral("ab")
                               << false;
        QTest::newRow("retry then works")
            << QList<MessageAnswer>{MessageAnswer::Retry} << QStringLiteral("abb!c") << true;
        QTest::newRow("ignore") << QList<MessageAnswer>{MessageAnswer::Ignore}
                                << QStringLiteral("abc") << true;
        QTest::newRow("retry then abort")
            << QList<MessageAnswer>{MessageAnswer::Retry, MessageAnswer::Abort}
            << QStringLiteral("abb") << false;
    }

    void runsStepsUnderTheTrap() {
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QString, ran);
        QFETCH(bool, completed);
        FakeDesktop fake;
        for (MessageAnswer answer : answers)
            fake.answerMessage(answer);
        QString log;
        int failures = answers.size();
        const bool result = RunTrappedSteps(fake, {
                                                      [&] {
                                                          log += u'a';
                                                          return 0;
                                                      },
                                                      [&] {
                                                          log += u'b';
                                                          if (failures-- > 0)
                                                              return 61;
                                                          log += u'!';
                                                          return 0;
                                                      },
                                                      [&] {
                                                          log += u'c';
                                                          return 0;
                                                      },
                                                  });
        QCOMPARE(log, ran);
        QCOMPARE(result, completed);
        QCOMPARE(fake.messages.size(), answers.size());
        QCOMPARE(fake.busyDepth, 0);
        QCOMPARE(fake.busyCalls, int(ran.size() - ran.count(u'!')));
        QVERIFY(!fake.busyAtMessages.contains(1));
    }

    void cancelledDialogEndsSilently() {
        FakeDesktop fake;
        bool after = false;
        QVERIFY(!RunTrappedSteps(fake,
                                 {[] { return int(ErrorNumber::Cancelled); },
                                  [&] {
                                      after = true;
                                      return 0;
                                  }},
                                 false));
        QVERIFY(!after);
        QVERIFY(fake.messages.isEmpty());
        QCOMPARE(fake.busyCalls, 0);
    }
};

QTEST_MAIN(TestErrorReport)
#include "tst_errorreport.moc"
