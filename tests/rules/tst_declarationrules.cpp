#include "insert/functionrules.h"
#include "insert/variablerules.h"

#include <QTest>

#include <optional>

using namespace orvane;

Q_DECLARE_METATYPE(JavaType)
Q_DECLARE_METATYPE(std::optional<JavaType>)
Q_DECLARE_METATYPE(std::optional<Scope>)

namespace {

const QString javaSource = QStringLiteral("import java.awt.*;\r\n");
const QString noName = QStringLiteral("Variable does not have a specified name.");
const QString noJava = QStringLiteral("No Java source code specified.");

void CompareOutcome(const InsertOutcome& outcome, const QString& message, const QString& text,
                    bool closes) {
    QCOMPARE(outcome.message ? outcome.message->text : QString(), message);
    if (outcome.message) {
        QCOMPARE(outcome.message->title, QStringLiteral("Orvane"));
        QCOMPARE(outcome.message->icon, MessageIcon::Information);
        QCOMPARE(outcome.message->buttons, MessageButtons::Ok);
    }
    QCOMPARE(outcome.text, text);
    QCOMPARE(outcome.closesDialog, closes);
}

QString Method(const QString& header) {
    return QStringLiteral("\r\n     ") + header +
           QStringLiteral("\r\n     {\r\n        // Include function code here\r\n\r\n     }\r\n");
}

} // namespace

class TestDeclarationRules : public QObject {
    Q_OBJECT

private slots:
    void cleanVariableName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("inner blanks")
            << QStringLiteral(" my Var Name ") << QStringLiteral("myVarName");
        QTest::newRow("15 blanks only") << QString(15, u' ') << QString();
        QTest::newRow("16 blanks only") << QString(16, u' ') << QStringLiteral(" ");
        QTest::newRow("16 inner blanks")
            << u'a' + QString(16, u' ') + u'b' << QStringLiteral("a b");
        QTest::newRow("tab stays") << QStringLiteral("a\tb c") << QStringLiteral("a\tbc");
        QTest::newRow("empty") << QString() << QString();
    }

    void cleanVariableName() {
        QFETCH(QString, typed);
        QFETCH(QString, cleaned);
        QCOMPARE(CleanVariableName(typed), cleaned);
    }

    void insertVariable_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<JavaType>("type");
        QTest::addColumn<QString>("document");
        QTest::addColumn<bool>("keepOpen");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("closes");
        const struct {
            JavaType type;
            const char* line;
        } types[] = {{JavaType::Int, "        int myVariableName;\r\n"},
                     {JavaType::Long, "        long myVariableName;\r\n"},
                     {JavaType::Double, "        double myVariableName;\r\n"},
                     {JavaType::Float, "        float myVariableName;\r\n"},
                     {JavaType::Short, "        short myVariableName;\r\n"},
                     {JavaType::Char, "        char myVariableName;\r\n"},
                     {JavaType::Boolean, "        boolean myVariableName;\r\n"}};
        for (const auto& row : types) {
            QTest::addRow("%s", qPrintable(JavaKeyword(row.type)))
                << QStringLiteral("myVariableName") << row.type << javaSource << false << QString()
                << QString::fromLatin1(row.line) << true;
        }
        QTest::newRow("keep open")
            << QStringLiteral("count") << JavaType::Int << javaSource << true << QString()
            << QStringLiteral("        int count;\r\n") << false;
        QTest::newRow("trimmed, inner blank kept")
            << QStringLiteral("  a b  ") << JavaType::Long << javaSource << false << QString()
            << QStringLiteral("        long a b;\r\n") << true;
        QTest::newRow("not an identifier")
            << QStringLiteral("9-x\"") << JavaType::Char << javaSource << false << QString()
            << QStringLiteral("        char 9-x\";\r\n") << true;
        QTest::newRow("empty name")
            << QString() << JavaType::Int << javaSource << true << noName << QString() << false;
        QTest::newRow("blanks only") << QStringLiteral("   ") << JavaType::Int << javaSource
                                     << false << noName << QString() << false;
        QTest::newRow("name checked before document")
            << QString() << JavaType::Int << QString() << false << noName << QString() << false;
        QTest::newRow("no Java source")
            << QStringLiteral("x") << JavaType::Int << QStringLiteral("import  java") << false
            << noJava << QString() << true;
        QTest::newRow("no Java source closes even kept open")
            << QStringLiteral("x") << JavaType::Int << QString() << true << noJava << QString()
            << true;
    }

    void insertVariable() {
        QFETCH(QString, name);
        QFETCH(JavaType, type);
        QFETCH(QString, document);
        QFETCH(bool, keepOpen);
        QFETCH(QString, message);
        QFETCH(QString, text);
        QFETCH(bool, closes);
        CompareOutcome(InsertVariable(name, type, document, keepOpen), message, text, closes);
    }

    void insertFunction_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<std::optional<JavaType>>("type");
        QTest::addColumn<std::optional<Scope>>("scope");
        QTest::addColumn<QString>("document");
        QTest::addColumn<bool>("keepOpen");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("closes");
        const std::optional<JavaType> noType;
        const std::optional<Scope> noScope;
        const std::optional<JavaType> intType = JavaType::Int;
        const std::optional<Scope> isPublic = Scope::Public;

        QTest::newRow("public int sum")
            << QStringLiteral("sum") << intType << isPublic << javaSource << false << QString()
            << QStringLiteral("\r\n"
                              "     public int sum()\r\n"
                              "     {\r\n"
                              "        // Include function code here\r\n"
                              "\r\n"
                              "     }\r\n")
            << true;
        QTest::newRow("private boolean, trimmed, kept open")
            << QStringLiteral(" isDone ") << std::optional(JavaType::Boolean)
            << std::optional(Scope::Private) << javaSource << true << QString()
            << Method(QStringLiteral("private boolean isDone()")) << false;
        QTest::newRow("public void")
            << QStringLiteral("paint") << std::optional(JavaType::Void) << isPublic << javaSource
            << false << QString() << Method(QStringLiteral("public void paint()")) << true;
        QTest::newRow("blanks beyond the fifteenth pass as a name")
            << QStringLiteral(" ") << intType << isPublic << javaSource << false << QString()
            << Method(QStringLiteral("public int ()")) << true;
        QTest::newRow("document checked first")
            << QString() << noType << noScope << QStringLiteral("import  java") << true << noJava
            << QString() << true;
        QTest::newRow("empty name")
            << QString() << intType << isPublic << javaSource << false
            << QStringLiteral("Function does not have a specified name.") << QString() << false;
        QTest::newRow("preset name, nothing chosen")
            << QStringLiteral("myFunctionName") << noType << noScope << javaSource << false
            << QStringLiteral("Function does not have a specified data type.") << QString()
            << false;
        QTest::newRow("type without scope")
            << QStringLiteral("f") << intType << noScope << javaSource << false
            << QStringLiteral("Function does not have a specified scope.") << QString() << false;
    }

    void insertFunction() {
        QFETCH(QString, name);
        QFETCH(std::optional<JavaType>, type);
        QFETCH(std::optional<Scope>, scope);
        QFETCH(QString, document);
        QFETCH(bool, keepOpen);
        QFETCH(QString, message);
        QFETCH(QString, text);
        QFETCH(bool, closes);
        CompareOutcome(InsertFunction(name, type, scope, document, keepOpen), message, text,
                       closes);
    }
};

QTEST_APPLESS_MAIN(TestDeclarationRules)
#include "tst_declarationrules.moc"
