#include "document/syntaxcolouring.h"

#include <QTest>

using namespace orvane;

Q_DECLARE_METATYPE(orvane::SyntaxLanguage)

namespace {

QString kindName(SyntaxKind kind) {
    static const char* const names[] = {"keyword", "literal", "string",      "char",  "escape",
                                        "number",  "annot",   "comment",     "doc",   "tag",
                                        "attr",    "value",   "htmlcomment", "entity"};
    return QString::fromLatin1(names[int(kind)]);
}

// Every span of a text of several lines as "kind:covered text", line by line, each line starting
// in the state the one before it ended in.
QStringList describe(SyntaxLanguage language, const QString& text) {
    QStringList out;
    int state = 0;
    for (const QString& line : text.split(u'\n')) {
        const ColouredLine coloured = ColourLine(language, line, state);
        for (const SyntaxSpan& span : coloured.spans)
            out << kindName(span.kind) + u':' + line.mid(span.start, span.length) +
                       (span.start + span.length > line.size() ? "<past the end>" : "");
        state = coloured.endState;
    }
    return out;
}

} // namespace

class TestSyntaxColouring : public QObject {
    Q_OBJECT

private slots:
    void colours_data() {
        QTest::addColumn<SyntaxLanguage>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("spans");
        const auto java = [](const char* name, const QString& text, const QStringList& spans) {
            QTest::newRow(name) << SyntaxLanguage::Java << text << spans;
        };
        const auto html = [](const char* name, const QString& text, const QStringList& spans) {
            QTest::newRow(name) << SyntaxLanguage::Html << text << spans;
        };

        java("keywords, beside punctuation, not in identifiers holding them",
             "public int interval = newValue; if(x){return this;}",
             {"keyword:public", "keyword:int", "keyword:if", "keyword:return", "keyword:this"});
        const QString keywords = QStringLiteral(
            "abstract assert boolean break byte case catch char class const continue default do "
            "double else enum extends final finally float for goto if implements import instanceof "
            "int interface long native new package private protected public return short static "
            "strictfp super switch synchronized this throw throws transient try void volatile "
            "while");
        QStringList keywordSpans = keywords.split(u' ');
        for (QString& word : keywordSpans)
            word.prepend(QStringLiteral("keyword:"));
        java("every keyword", keywords, keywordSpans);
        java("literals", "b = true || null != false_flag;", {"literal:true", "literal:null"});
        java("escaped quote stays in the string", "s = \"say \\\"hi\\\"\" + 1;",
             {"string:\"say \\\"hi\\\"\"", "escape:\\\"", "escape:\\\"", "number:1"});
        java("backslash before the closing quote", "s = \"C:\\\\\"; t = \"x\";",
             {"string:\"C:\\\\\"", "escape:\\\\", "string:\"x\""});
        java("character literals with escapes", "c = '\\''; d = '\\u0041'; e = '\\101';",
             {"char:'\\''", "escape:\\'", "char:'\\u0041'", "escape:\\u0041", "char:'\\101'",
              "escape:\\101"});
        java("a unicode escape takes four digits", "s = \"\\u00412\";",
             {"string:\"\\u00412\"", "escape:\\u0041"});
        java("a backslash ends the line", "s = \"a\\", {"string:\"a\\", "escape:\\"});
        java("unterminated string ends with its line", "s = \"open\nint x;",
             {"string:\"open", "keyword:int"});
        java("comment markers inside a string", "url = \"http://x/*y*/\"; // real",
             {"string:\"http://x/*y*/\"", "comment:// real"});
        java("quote inside a comment", "// don't \"\nint x;",
             {"comment:// don't \"", "keyword:int"});
        java("block comment over lines", "int a; /* one\ntwo \"q\nthree */ class",
             {"keyword:int", "comment:/* one", "comment:two \"q", "comment:three */",
              "keyword:class"});
        java("doc comment over lines", "/**\n * @param x\n */\nvoid f();",
             {"doc:/**", "doc: * @param x", "doc: */", "keyword:void"});
        java("empty block comment is not documentation", "/**/ int x;",
             {"comment:/**/", "keyword:int"});
        java("numbers", "x = 0x1F + 3.5e-2f + .5 + 1_000L + a1 + 0x1p-3 + 0.5e-3;",
             {"number:0x1F", "number:3.5e-2f", "number:.5", "number:1_000L", "number:0x1p-3",
              "number:0.5e-3"});
        java("annotations", "@Override @java.lang.Deprecated void f() {}",
             {"annot:@Override", "annot:@java.lang.Deprecated", "keyword:void"});
        java("text block over lines", "s = \"\"\"\n  a \"b\" \\n\n  \"\"\"; int",
             {"string:\"\"\"", "string:  a \"b\" \\n", "escape:\\n", "string:  \"\"\"",
              "keyword:int"});

        java("contextual keywords where they declare",
             "sealed interface S permits A {} record P(int x) {} var v = y; yield 1;",
             {"keyword:sealed", "keyword:interface", "keyword:permits", "keyword:record",
              "keyword:int", "keyword:var", "keyword:yield", "number:1"});
        java("contextual keywords as names", "var = record.size(); yield(); sealed;", {});
        java("non-sealed and @interface", "non-sealed class A {} @interface Note {} non - x",
             {"keyword:non-sealed", "keyword:class", "keyword:@interface"});
        html("a bang tag that is no doctype is a comment",
             "<!DOCTYPE html><! This code will allow\n applets to run >\n<p>",
             {"tag:<!DOCTYPE", "attr:html", "tag:>", "htmlcomment:<! This code will allow",
              "htmlcomment: applets to run >", "tag:<p", "tag:>"});
        html("script content is plain up to its close tag",
             "<script type=\"x\">if (a < b) { s = \"<b>\"; }\n</b> &amp;</SCRIPT><b>",
             {"tag:<script", "attr:type", "value:\"x\"", "tag:>", "tag:</SCRIPT", "tag:>", "tag:<b",
              "tag:>"});
        html("style content over an opening tag's lines", "<style\n>p { x: \"<i>\" }</style>",
             {"tag:<style", "tag:>", "tag:</style", "tag:>"});
        html("tags, attributes and values", "<applet code=\"Hello.class\" width=300></applet>",
             {"tag:<applet", "attr:code", "value:\"Hello.class\"", "attr:width", "value:300",
              "tag:>", "tag:</applet", "tag:>"});
        html("a tag over lines keeps its attributes", "<param name='a'\n  value=\"x y\">text",
             {"tag:<param", "attr:name", "value:'a'", "attr:value", "value:\"x y\"", "tag:>"});
        html("a value over lines", "<a href=\"one\ntwo\" id=b/>",
             {"tag:<a", "attr:href", "value:\"one", "value:two\"", "attr:id", "value:b", "tag:/>"});
        html("comment over lines hides tags", "a <!-- <b>\nstill -->\n<i>",
             {"htmlcomment:<!-- <b>", "htmlcomment:still -->", "tag:<i", "tag:>"});
        html("entities, and an ampersand that is none", "&copy; &#169; &#xA9; & a;&b",
             {"entity:&copy;", "entity:&#169;", "entity:&#xA9;"});
        html("a lone less-than is text", "a < b", {});
    }

    void colours() {
        QFETCH(SyntaxLanguage, language);
        QFETCH(QString, text);
        QTEST(describe(language, text), "spans");
    }

    // A line too long to colour stays plain; the lines after it start in the state its first
    // columns reach.
    void longLineLeftPlain() {
        const QString line = QStringLiteral("int ").repeated(999) + QStringLiteral("/* x");
        QCOMPARE(ColourLine(SyntaxLanguage::Java, line, 0).spans.size(), 1000);
        const ColouredLine coloured = ColourLine(SyntaxLanguage::Java, QString(line + u' '), 0);
        QVERIFY(coloured.spans.isEmpty());
        QCOMPARE(coloured.endState, 1);
    }

    void choosesLanguage_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        QTest::addColumn<SyntaxLanguage>("language");
        const auto row = [](const char* name, const char* path, const char* text,
                            SyntaxLanguage language) {
            QTest::newRow(name) << QString::fromLatin1(path) << QString::fromLatin1(text)
                                << language;
        };
        row("java file", "/p/HELLO.JAVA", "", SyntaxLanguage::Java);
        row("html page", "C:\\p\\Hello.html", "", SyntaxLanguage::Html);
        row("htm page", "/p/a.htm", "import java.awt.*;", SyntaxLanguage::Html);
        row("text file holding java", "/p/notes.txt", "import java.awt.*;", SyntaxLanguage::None);
        row("untitled java", "", "IMPORT JAVA.applet.*;", SyntaxLanguage::Java);
        row("untitled text", "", "<html>", SyntaxLanguage::None);
    }

    void choosesLanguage() {
        QFETCH(QString, path);
        QFETCH(QString, text);
        QTEST(ColouringLanguage(path, text), "language");
    }
};

QTEST_APPLESS_MAIN(TestSyntaxColouring)
#include "tst_syntaxcolouring.moc"
