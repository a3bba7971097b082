#include "document/errorreport.h"
#include "document/errortrap.h"
#include "fakedesktop.h"

#include <QTest>

using namespace orvane;

namespace {

using Answer = MessageAnswer;

const char* undefined = "Application-defined or object-defined error";
const QString diskNotReady =
    "Disk not ready or unavailable. Also check that disk is not write protected.";

QString numbered(const QString& heading, int number, const QString& description) {
    return heading + "\r\n\r\nError Number: " + QString::number(number) +
           "\r\nDescription: " + description;
}

QString unexpected(int number, const char* description, bool support = false) {
    return numbered("An unexpected error has occured.", number, description) + "\r\n\r\n" +
           (support ? "Write down the number and message \r\nand then contact technical support."
                    : "");
}

QString systemFile(int number, const char* description) {
    return numbered("A system file error has occured.", number, description);
}

} // namespace

class TestErrorReport : public QObject {
    Q_OBJECT

private slots:
    void reportsEachRange_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<ErrorBox>("box");
        QTest::addColumn<QString>("text");
        const auto row = [](int number, ErrorBox box, const QString& text) {
            QTest::addRow("%d", number) << number << box << text;
        };
        using enum ErrorBox;
        for (int number : {0, 6, 32755})
            row(number, None, {});
        row(5, Information, unexpected(5, "Invalid procedure call or argument"));
        row(7, Information,
            "Out of available memory.\r\n\r\nPlease close some open documents and try again.");
        for (int number : {8, 77, 300})
            row(number, Information, unexpected(number, undefined));
        row(51, Information,
            "An internal system error has occured.\r\n\r\n"
            "Plaese report error to your System Administrator.");
        row(52, Failure, systemFile(52, "Bad file name or number"));
        for (int number : {56, 60, 66, 69, 73})
            row(number, Failure, systemFile(number, undefined));
        for (int number : {57, 68, 71, 72})
            row(number, Failure, diskNotReady);
        row(58, Failure, systemFile(58, "File already exists"));
        row(61, Failure, "The disk is full.");
        row(62, Failure, systemFile(62, "Input past end of file"));
        row(67, Information,
            "Not enough file handles available.\r\n\r\nIncrease the FILES= number in file "
            "CONFIG.SYS");
        row(70, Failure, systemFile(70, "Permission denied"));
        row(76, Failure, systemFile(76, "Path not found"));
        row(91, Information, unexpected(91, "Object variable or With block variable not set"));
        row(281, Information, unexpected(281, "No more DDE channels", true));
        row(297, Information, unexpected(297, "Can't set LinkMode; invalid LinkTopic", true));
        row(298, Information, unexpected(298, "System DLL could not be loaded"));
        row(340, Information, unexpected(340, "Control array element does not exist", true));
        row(344, Information, unexpected(344, "Must specify index for object array", true));
    }

    // Each box is answered Abort, Retry, then Ignore; only a failure box offers the choice.
    void reportsEachRange() {
        QFETCH(int, number);
        QFETCH(ErrorBox, box);
        QFETCH(QString, text);
        test::FakeDesktop fake;
        QList<int> actions;
        for (MessageAnswer answer : {Answer::Abort, Answer::Retry, Answer::Ignore}) {
            fake.answerMessage(answer);
            actions << ReportError(fake, number);
        }
        const bool failure = box == ErrorBox::Failure;
        QCOMPARE(actions, (failure ? QList<int>{3, 4, 5} : QList<int>{3, 3, 3}));
        QCOMPARE(fake.messages.size(), box == ErrorBox::None ? 0 : 3);
        if (box == ErrorBox::None)
            return;
        const Message& shown = fake.messages.constLast();
        QCOMPARE(shown.text, text);
        QCOMPARE(shown.title, QStringLiteral("Orvane"));
        QCOMPARE(shown.buttons, failure ? MessageButtons::AbortRetryIgnore : MessageButtons::Ok);
        QCOMPARE(shown.icon, failure ? MessageIcon::Critical : MessageIcon::Information);
    }

    // Retry runs the failed step again, Ignore goes on with the next, Abort stops; every report
    // shows the normal pointer.
    void runsStepsUnderTheTrap() {
        test::FakeDesktop fake;
        for (MessageAnswer answer : {Answer::Retry, Answer::Ignore, Answer::Abort})
            fake.answerMessage(answer);
        QString log;
        const auto step = [&log](char16_t name, int error) -> TrapStep {
            return [&log, name, error] {
                log += name;
                return error;
            };
        };
        QVERIFY(RunTrappedSteps(fake, {step(u'a', 0), step(u'b', 61), step(u'c', 0)}));
        QVERIFY(!RunTrappedSteps(fake, {step(u'd', 61), step(u'e', 0)}));
        QCOMPARE(log, QStringLiteral("abbcd"));
        QCOMPARE(fake.busyAtMessages, (QList<int>{0, 0, 0}));
        QCOMPARE(fake.busyDepth, 0);
    }
};

QTEST_MAIN(TestErrorReport)
#include "tst_errorreport.moc"
