#include "samplejava.h"

#include "templates/javatemplates.h"

namespace {

QString method(int number) {
    return QStringLiteral("    public int compute%1(int value)\r\n    {\r\n"
                          "        int total = value * %1;\r\n"
                          "        for (int i = 0; i < value; i++)\r\n"
                          "        {\r\n            total += i;\t// keep a tab\r\n"
                          "        }\r\n        return total;\r\n    }\r\n\r\n")
        .arg(number);
}

} // namespace

QString SampleJavaText(int bytes) {
    const QString applet =
        orvane::WriteStandardApplet({"Sample", "Author", "A benchmark text.", "2001"}, "1.01");
    // The methods are ASCII; the applet's header holds the two-byte copyright sign.
    const qsizetype appletBytes = applet.toUtf8().size();
    QString text;
    for (int number = 0; text.size() + method(number).size() + appletBytes <= bytes; ++number)
        text += method(number);
    // A comment of blanks makes up the exact size in bytes.
    const qsizetype filler = bytes - text.size() - appletBytes;
    if (filler >= 4)
        text += QStringLiteral("//") + QString(filler - 4, u' ') + QStringLiteral("\r\n");
    return text + applet;
}
