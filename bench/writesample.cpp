#include "samplejava.h"

#include <QFile>

// Writes the 65,000-byte Java sample to the file named, for the start-up race with a file.
int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    const QByteArray bytes = SampleJavaText().toUtf8();
    return file.write(bytes) == bytes.size() ? 0 : 1;
}
