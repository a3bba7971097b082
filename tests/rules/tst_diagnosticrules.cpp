#include "toolchain/checkerprotocol.h"
#include "toolchain/diagnosticspan.h"
#include "toolchain/javacdiagnostics.h"

#include <QTest>

using namespace orvane;
using namespace Qt::StringLiterals;

namespace {

// "path|line|column|kind|message", the message's line breaks as "/".
QString Described(const CompilerDiagnostic& d) {
    const char* kinds[] = {"error", "warning", "note"};
    return u"%1|%2|%3|%4|%5"_s.arg(d.path)
        .arg(d.line)
        .arg(d.column)
        .arg(QLatin1StringView(kinds[static_cast<int>(d.kind)]))
        .arg(QString(d.message).replace(u'\n', u'/'));
}

} // namespace

class TestDiagnosticRules : public QObject {
    Q_OBJECT

private slots:
    void javacOutput_data() {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("error, caret after the token, then the counts")
            << u"/w/A.java:3: error: ';' expected\n    int x = 1\n             ^\n1 error\n"_s
            << QStringList{u"/w/A.java|3|14|error|';' expected"_s};
        QTest::newRow("tabs before the caret count one each")
            << u"/w/A.java:2: error: ';' expected\n\t\tint x = 1\n\t\t         ^\n"_s
            << QStringList{u"/w/A.java|2|12|error|';' expected"_s};
        QTest::newRow("detail lines join the message; CR LF")
            << u"/w/A.java:4: error: cannot find symbol\r\n    foo();\r\n    ^\r\n  symbol:   method foo()\r\n  location: class A\r\n"_s
            << QStringList{
                   u"/w/A.java|4|5|error|cannot find symbol/symbol:   method foo()/location: class A"_s};
        QTest::newRow("warning, and a path with blanks")
            << u"/u/My Files/A.java:2: warning: [removal] Applet in java.applet has been deprecated\npublic class A extends Applet {\n                       ^\n1 warning\n"_s
            << QStringList{
                   u"/u/My Files/A.java|2|24|warning|[removal] Applet in java.applet has been deprecated"_s};
        QTest::newRow("another file's message, notes without a place left out")
            << u"/w/B.java:1: error: ';' expected\nclass B { int f() { return 2 } }\n                            ^\n/w/A.java:5: Note: checked here\n    f();\n    ^\nNote: /w/A.java uses unchecked or unsafe operations.\nNote: Recompile with -Xlint:unchecked for details.\n1 error\n"_s
            << QStringList{u"/w/B.java|1|29|error|';' expected"_s,
                           u"/w/A.java|5|5|note|checked here"_s};
        QTest::newRow("drive letter, a source line starting at the margin, no caret")
            << u"C:\\My Files\\A.java:7: error: class, interface, enum, or record expected\n}\nC:\\My Files\\A.java:9: error: reached end of file while parsing\n"_s
            << QStringList{
                   u"C:\\My Files\\A.java|7|0|error|class, interface, enum, or record expected"_s,
                   u"C:\\My Files\\A.java|9|0|error|reached end of file while parsing"_s};
        QTest::newRow("a program's output is no diagnostic")
            << u"warning: [options] bootstrap class path not set\nHello: 12: world\n"_s
            << QStringList{};
    }

    void javacOutput() {
        QFETCH(QString, output);
        QStringList found;
        for (const CompilerDiagnostic& diagnostic : ParseJavacOutput(output))
            found.append(Described(diagnostic));
        QTEST(found, "expected");
    }

    // The line with the marked characters between "[" and "]".
    void span_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("endColumn");
        QTest::addColumn<QString>("expected");
        QTest::newRow("identifier") << u"  foo.bar();"_s << 3 << 0 << u"  [foo].bar();"_s;
        QTest::newRow("compiler's own end") << u"  foo.bar();"_s << 3 << 10 << u"  [foo.bar]();"_s;
        QTest::newRow("end on another line ignored") << u"x = y;"_s << 5 << 40 << u"x = [y];"_s;
        QTest::newRow("string with an escaped quote")
            << u"s = \"a\\\"b\" + 1;"_s << 5 << 0 << u"s = [\"a\\\"b\"] + 1;"_s;
        QTest::newRow("operator run") << u"if (a == b)"_s << 7 << 0 << u"if (a [==] b)"_s;
        QTest::newRow("caret past the end: the token before")
            << u"\tint x = count"_s << 15 << 0 << u"\tint x = [count]"_s;
        QTest::newRow("caret on blanks: the token before")
            << u"a )   b"_s << 4 << 0 << u"a [)]   b"_s;
        QTest::newRow("only blanks before: the token after") << u"   }"_s << 1 << 0 << u"   [}]"_s;
        QTest::newRow("blank line") << u"  "_s << 1 << 0 << u"[]  "_s;
    }

    void span() {
        QFETCH(QString, line);
        QFETCH(int, column);
        QFETCH(int, endColumn);
        const MarkedSpan span = DiagnosticSpan(line, column, endColumn);
        QTEST(QString(line).insert(span.end, u']').insert(span.start, u'['), "expected");
    }

    void checkerAnswers_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected"); // number kind, then the diagnostic if any
        QTest::newRow("error with escapes")
            << u"7 error 3 16 19 cannot find symbol\\n  symbol: a\\\\b"_s
            << u"7 diagnostic |3|16|error|cannot find symbol/  symbol: a\\b"_s;
        QTest::newRow("warning") << u"8 warning 1 2 0 [removal] x"_s
                                 << u"8 diagnostic |1|2|warning|[removal] x"_s;
        QTest::newRow("end") << u"12 end"_s << u"12 end"_s;
        QTest::newRow("skipped") << u"11 skipped"_s << u"11 skipped"_s;
        QTest::newRow("no compiler") << u"0 unavailable"_s << u"0 unavailable"_s;
        QTest::newRow("anything else") << u"Picked up JAVA_TOOL_OPTIONS"_s << u"none"_s;
    }

    void checkerAnswers() {
        QFETCH(QString, line);
        const std::optional<CheckerAnswer> answer = ParseCheckerAnswer(line);
        const char* kinds[] = {"diagnostic", "end", "skipped", "unavailable"};
        QString found = u"none"_s;
        if (answer) {
            found = QString::number(answer->number) + u' ' +
                    QLatin1StringView(kinds[static_cast<int>(answer->kind)]);
            if (answer->kind == CheckerAnswer::Kind::Diagnostic)
                found += u' ' + Described(answer->diagnostic);
        }
        QTEST(found, "expected");
    }

    // The length counts UTF-16 units, as the checker reads them; the text follows unchanged.
    void checkerRequest() {
        QCOMPARE(CheckerRequest(3, u"/u/My Files/Ä.java"_s, u"/u/My Files"_s, u"class Ä {}\n"_s),
                 "check 3 11\n/u/My Files/\xc3\x84.java\n/u/My Files\nclass \xc3\x84 {}\n"_ba);
    }
};

QTEST_APPLESS_MAIN(TestDiagnosticRules)
#include "tst_diagnosticrules.moc"
