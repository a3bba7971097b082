#include "insert/javasource.h"
#include "insert/statementskeletons.h"

#include <QTest>

using namespace orvane;

Q_DECLARE_METATYPE(StatementKind)

class TestStatementSkeletons : public QObject {
    Q_OBJECT

private slots:
    void skeletonText_data() {
        QTest::addColumn<StatementKind>("kind");
        QTest::addColumn<QString>("expected");
        QTest::newRow("IF") << StatementKind::If
                            << QStringLiteral("        if (condition)\r\n"
                                              "        {\r\n"
                                              "                // Insert code to execute when "
                                              "condition is true\r\n"
                                              "\r\n"
                                              "        }\r\n"
                                              "\r\n");
        QTest::newRow("IF ELSE") << StatementKind::IfElse
                                 << QStringLiteral("        if (condition)\r\n"
                                                   "        {\r\n"
                                                   "                // Insert code to execute "
                                                   "when condition is true\r\n"
                                                   "\r\n"
                                                   "        }\r\n"
                                                   "        else\r\n"
                                                   "        {\r\n"
                                                   "                // Insert code to execute "
                                                   "when condition is false\r\n"
                                                   "\r\n"
                                                   "        }\r\n"
                                                   "\r\n");
        QTest::newRow("FOR, nine blanks") << StatementKind::For
                                          << QStringLiteral("         for (expression)\r\n"
                                                            "        {\r\n"
                                                            "                // Insert executable "
                                                            "code here\r\n"
                                                            "\r\n"
                                                            "        }\r\n"
                                                            "\r\n");
        QTest::newRow("WHILE") << StatementKind::While
                               << QStringLiteral("        while (expression)\r\n"
                                                 "        {\r\n"
                                                 "                // Insert executable code "
                                                 "here\r\n"
                                                 "\r\n"
                                                 "        }\r\n"
                                                 "\r\n");
        QTest::newRow("DO WHILE") << StatementKind::DoWhile
                                  << QStringLiteral("        do\r\n"
                                                    "        {\r\n"
                                                    "                // Insert executable code "
                                                    "here\r\n"
                                                    "\r\n"
                                                    "        }\r\n"
                                                    "        while (expression);\r\n"
                                                    "\r\n");
        QTest::newRow("SWITCH") << StatementKind::Switch
                                << QStringLiteral(
                                       "        switch (expression)\r\n"
                                       "        {\r\n"
                                       "                case value1;\r\n"
                                       "                        // Insert code to execute for "
                                       "first option\r\n"
                                       "\r\n"
                                       "                        // End case execution\r\n"
                                       "                        break;\r\n"
                                       "                case value2; {\r\n"
                                       "                        // Insert code to execute for "
                                       "second option\r\n"
                                       "\r\n"
                                       "                        // End case execution\r\n"
                                       "                        break;\r\n"
                                       "        }\r\n"
                                       "\r\n");
        const QString tryCatch =
            QStringLiteral("        try\r\n"
                           "        {\r\n"
                           "                // Insert code to execute here\r\n"
                           "\r\n"
                           "        }\r\n"
                           "        catch (exception e)\r\n"
                           "        {\r\n"
                           "                // Insert error handling code here\r\n"
                           "\r\n"
                           "        }\r\n");
        QTest::newRow("TRY CATCH") << StatementKind::TryCatch << tryCatch + QStringLiteral("\r\n");
        QTest::newRow("TRY CATCH FINALLY")
            << StatementKind::TryCatchFinally
            << tryCatch + QStringLiteral("        finally\r\n"
                                         "        {\r\n"
                                         "                // Insert clean-up code here\r\n"
                                         "\r\n"
                                         "        }\r\n"
                                         "\r\n");
    }

    void skeletonText() {
        QFETCH(StatementKind, kind);
        QFETCH(QString, expected);
        const QString text = SkeletonText(kind);
        QCOMPARE(text, expected);
        QVERIFY(!text.contains(u'\t'));
        // The last statement line is followed by exactly one empty line.
        QVERIFY(text.endsWith(QStringLiteral("\r\n\r\n")));
        QVERIFY(!text.endsWith(QStringLiteral("\r\n\r\n\r\n")));

        const InsertOutcome outcome = InsertSkeleton(kind, QStringLiteral("import java.awt.*;"));
        QVERIFY(!outcome.message);
        QCOMPARE(outcome.text, expected);
    }

    void hasJavaSource_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("java");
        QTest::newRow("import line") << QStringLiteral("import java.applet.*;\r\n") << true;
        QTest::newRow("capitals") << QStringLiteral("IMPORT JAVA.AWT.*;") << true;
        QTest::newRow("mixed case") << QStringLiteral("x\r\nImport Java.io.*;") << true;
        QTest::newRow("javax only") << QStringLiteral("import javax.swing.*;") << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("two blanks") << QStringLiteral("import  java.awt.*;") << false;
        QTest::newRow("line break between") << QStringLiteral("import\r\njava.awt.*;") << false;
        QTest::newRow("plain text") << QStringLiteral("class A {}") << false;
    }

    void hasJavaSource() {
        QFETCH(QString, text);
        QFETCH(bool, java);
        QCOMPARE(HasJavaSource(text), java);
        const InsertOutcome outcome = InsertSkeleton(StatementKind::If, text);
        QCOMPARE(outcome.message.has_value(), !java);
        if (!java) {
            QCOMPARE(outcome.message->text, QStringLiteral("No Java source code specified."));
            QCOMPARE(outcome.message->title, QStringLiteral("Orvane"));
            QCOMPARE(outcome.message->icon, MessageIcon::Information);
            QCOMPARE(outcome.message->buttons, MessageButtons::Ok);
            QVERIFY(outcome.text.isEmpty());
        }
    }
};

QTEST_APPLESS_MAIN(TestStatementSkeletons)
#include "tst_statementskeletons.moc"
