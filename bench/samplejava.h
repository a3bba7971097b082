#pragma once

#include <QString>

// A Java source of `bytes` bytes in UTF-8 (CR LF lines): generated methods first and a standard
// applet with its marker comments last, so searches run through the whole text.
QString SampleJavaText(int bytes = 65000);
