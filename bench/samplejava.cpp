#include "samplejava.h"

#include "templates/javatemplates.h"

QString SampleJavaText(int bytes) {
    const QString applet =
        orvane::WriteStandardApplet({"Sample", "Author", "A benchmark text.", "2001"}, "1.01");
    QString text;
    for (int method = 0; text.size() + applet.size() < bytes; ++method) {
        text += QStringLiteral("    public int compute%1(int value)\r\n    {\r\n"
                               "        int total = value * %1;\r\n"
                               "        for (int i = 0; i < value; i++)\r\n"
                               "        {\r\n            total += i;\t// keep a tab\r\n"
                               "        }\r\n        return total;\r\n    }\r\n\r\n")
                    .arg(method);
    }
    text += applet;
    return text.left(bytes);
}
