#include "samplejava.h"

#include <QFile>

// Writes the Java sample to the file named, for the start-up race with a file: 65,000 bytes, or
// the number of bytes given after the name.
int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 3)
        return 2;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    const int size = argc == 3 ? QByteArray(argv[2]).toInt() : 65000;
    const QByteArray bytes = SampleJavaText(size).toUtf8();
    return file.write(bytes) == bytes.size() ? 0 : 1;
}
