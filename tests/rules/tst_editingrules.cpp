#include "app/commandline.h"
#include "document/bracketmatch.h"
#include "document/caretstatus.h"
#include "document/commenttoggle.h"
#include "document/indentrules.h"
#include "search/findindocument.h"

#include <QTest>

using namespace orvane;

Q_DECLARE_METATYPE(orvane::TextPlace)

namespace {

const IndentStyle blanks4{false, 4};
const IndentStyle tabs{true, 4};

// "line:column" of the partner of the bracket at `at` in `text`, "none" when unmatched.
QString partnerIn(const QString& text, TextPlace at) {
    const QStringList lines = text.split(u'\n');
    QList<int> states{0};
    for (const QString& line : lines)
        states << ColourLine(SyntaxLanguage::Java, line, states.last()).endState;
    const BracketSource source{SyntaxLanguage::Java, int(lines.size()),
                               [&](int n) { return lines[n]; },
                               [&](int n) {
                                   return states[n];
                               }};
    const std::optional<TextPlace> partner = MatchingBracket(source, at);
    return partner ? QStringLiteral("%1:%2").arg(partner->line).arg(partner->column)
                   : QStringLiteral("none");
}

} // namespace

// Indentation, comments, brackets, the status field, Find Next and the command line.
class TestEditingRules : public QObject {
    Q_OBJECT

private slots:
    void nextLineIndent_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("useTabs");
        QTest::addColumn<QString>("indent");
        QTest::newRow("plain line keeps its indent") << "    int x;" << false << "    ";
        QTest::newRow("after { one level more") << "    if (x) {  " << false << "        ";
        QTest::newRow("after { with tabs") << "\tvoid f() {" << true << "\t\t";
        QTest::newRow("{ in a line comment") << "    // open {" << false << "    ";
        QTest::newRow("{ in a string") << "  s = \"{" << false << "  ";
        QTest::newRow("doc comment opened") << "    /**" << false << "     * ";
        QTest::newRow("inside a block comment") << "     * text" << false << "     * ";
        QTest::newRow("block comment closed") << "     */" << false << "     ";
        QTest::newRow("empty line") << "" << false << "";
    }

    void nextLineIndent() {
        QFETCH(QString, before);
        QFETCH(bool, useTabs);
        QFETCH(QString, indent);
        // A line starting with " * " lies inside a comment opened above it.
        const int state = before.trimmed().startsWith(u'*') ? 2 : 0;
        QCOMPARE(NextLineIndent(before, ColourLine(SyntaxLanguage::Java, before, state),
                                useTabs ? tabs : blanks4),
                 indent);
    }

    void levelsOff_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("dedent");
        QTest::addColumn<int>("outdent");
        QTest::newRow("eight blanks") << "        " << 4 << 4;
        QTest::newRow("six blanks, back to the tab stop") << "      " << 2 << 2;
        QTest::newRow("a tab") << "\t" << 1 << 1;
        QTest::newRow("two blanks") << "  " << 2 << 2;
        QTest::newRow("nothing") << "" << 0 << 0;
    }

    void levelsOff() {
        QFETCH(QString, text);
        QTEST(DedentLength(text, blanks4), "dedent");
        QTEST(OutdentLength(QString(text + u'x'), blanks4), "outdent");
    }

    void columnsAndTabs() {
        QCOMPARE(VisualColumn(u"\tab\tc", 4), 9);
        QCOMPARE(VisualColumn(u"ab\t", 8), 8);
        QCOMPARE(TabInsertion(5, blanks4), QStringLiteral("   "));
        QCOMPARE(TabInsertion(5, tabs), QStringLiteral("\t"));
        QCOMPARE(IndentsWithTabs(u"class A {\r\n\tint a;\r\n\tint b;\r\n  int c;\r\n}"),
                 std::optional<bool>(true));
        QCOMPARE(IndentsWithTabs(u"/**\r\n * doc\r\n */\r\nclass A {\r\n    int a;\r\n}"),
                 std::optional<bool>(false));
        QCOMPARE(IndentsWithTabs(u"class A {}\r\n"), std::nullopt);
    }

    void toggleComments_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("toggled");
        QTest::newRow("added at the smallest indent")
            << QStringList{"    int a;", "", "        b();"}
            << QStringList{"    // int a;", "", "    //     b();"};
        QTest::newRow("removed when every line has it")
            << QStringList{"    // int a;", "  //b();"} << QStringList{"    int a;", "  b();"};
        QTest::newRow("added when one line lacks it")
            << QStringList{"// a", "b"} << QStringList{"// // a", "// b"};
        QTest::newRow("a blank line alone") << QStringList{""} << QStringList{"// "};
    }

    void toggleComments() {
        QFETCH(QStringList, lines);
        QTEST(ToggleLineComments(lines), "toggled");
    }

    void toggleHtmlComment() {
        QCOMPARE(ToggleHtmlComment("<b>x</b>"), QStringLiteral("<!-- <b>x</b> -->"));
        QCOMPARE(ToggleHtmlComment("  <!-- <b>x</b> -->"), QStringLiteral("  <b>x</b>"));
        QCOMPARE(ToggleHtmlComment("<!--x-->"), QStringLiteral("x"));
    }

    void brackets_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TextPlace>("at");
        QTest::addColumn<QString>("partner");
        const QString nested = QStringLiteral("void f(int[] a) {\n  if (a[0]) { g(); }\n}");
        QTest::newRow("outer brace forward") << nested << TextPlace{0, 16} << "2:0";
        QTest::newRow("outer brace back") << nested << TextPlace{2, 0} << "0:16";
        QTest::newRow("inner square") << nested << TextPlace{1, 7} << "1:9";
        QTest::newRow("nested round") << nested << TextPlace{1, 5} << "1:10";
        QTest::newRow("string and comment brackets skipped")
            << QStringLiteral("f(\")\", ')', /* ) */\n// )\nx)") << TextPlace{0, 1} << "2:1";
        QTest::newRow("unmatched opening") << QStringLiteral("f((x)") << TextPlace{0, 1} << "none";
        QTest::newRow("unmatched closing") << QStringLiteral("x]") << TextPlace{0, 1} << "none";
    }

    void brackets() {
        QFETCH(QString, text);
        QFETCH(TextPlace, at);
        QTEST(partnerIn(text, at), "partner");
    }

    void statusTexts() {
        QCOMPARE(CaretPlaceText(12, 5), QStringLiteral("Ln 12, Col 5"));
        TextFormat format;
        QCOMPARE(FileFormatText(format), QStringLiteral("UTF-8 \u00b7 CR LF"));
        format.encoding = TextFormat::Encoding::Windows1252;
        format.lineBreak = TextFormat::LineBreak::Lf;
        QCOMPARE(FileFormatText(format), QStringLiteral("Windows-1252 \u00b7 LF"));
        format.encoding = TextFormat::Encoding::Utf16Le;
        format.lineBreak = TextFormat::LineBreak::Cr;
        QCOMPARE(FileFormatText(format), QStringLiteral("UTF-16 LE \u00b7 CR"));
        format.encoding = TextFormat::Encoding::Utf16Be;
        QCOMPARE(FileFormatText(format), QStringLiteral("UTF-16 BE \u00b7 CR"));
    }

    void findAgain_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<QString>("found"); // "start+length"
        QTest::addColumn<bool>("wrapped");
        // "ab\r\nAB ab": matches at 0, 4 and 7.
        QTest::newRow("next after the selected match") << "ab" << 0 << 2 << true << "4+2" << false;
        QTest::newRow("next from the caret") << " aB " << 5 << 0 << true << "7+2" << false;
        QTest::newRow("next wraps to the top") << "ab" << 7 << 2 << true << "0+2" << true;
        QTest::newRow("previous") << "ab" << 7 << 2 << false << "4+2" << false;
        QTest::newRow("previous at the very top") << "ab" << 4 << 2 << false << "0+2" << false;
        QTest::newRow("previous wraps to the bottom") << "ab" << 0 << 2 << false << "7+2" << true;
        QTest::newRow("a line break is one CR LF") << "b\nA" << 0 << 0 << true << "1+4" << false;
        QTest::newRow("not found") << "zz" << 0 << 0 << true << "" << false;
    }

    void findAgain() {
        QFETCH(QString, search);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(bool, forward);
        const std::optional<FoundAgain> result =
            FindAgain(QStringLiteral("ab\r\nAB ab"), search, selStart, selLength, forward);
        QTEST(result ? QStringLiteral("%1+%2").arg(result->start).arg(result->length) : QString(),
              "found");
        if (result)
            QTEST(!result->wrapNote.isEmpty(), "wrapped");
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("outputStart");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("help") << QStringList{"orvane", "--help"} << 0
                              << "Usage: orvane [options] [files...]\n"
                              << QStringList{};
        QTest::newRow("version") << QStringList{"orvane", "--version"} << 0 << "Orvane 1.01 SR1\n"
                                 << QStringList{};
        QTest::newRow("-- ends the options")
            << QStringList{"orvane", "--", "--help"} << 0 << "" << QStringList{"/w/--help"};
        QTest::newRow("files") << QStringList{"orvane", "a.java", "/x/b.html"} << 0 << ""
                               << QStringList{"/w/a.java", "/x/b.html"};
        QTest::newRow("unknown option") << QStringList{"orvane", "--frobnicate"} << 1
                                        << "Unknown option 'frobnicate'." << QStringList{};
    }

    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, outputStart);
        QFETCH(QStringList, files);
        const CommandLine line = ParseCommandLine(arguments, QStringLiteral("/w"));
        QCOMPARE(line.exitCode, exitCode);
        QCOMPARE(line.endNow, !outputStart.isEmpty());
        QCOMPARE(line.output.left(outputStart.size()), outputStart);
        QCOMPARE(line.files, files);
    }
};

QTEST_APPLESS_MAIN(TestEditingRules)
#include "tst_editingrules.moc"
