#pragma once

#include "document/parsepath.h"

#include <QString>

namespace orvane {

// Where a Java source sits in its package tree.
struct JavaPackagePlace {
    QString packageName; // "a.b"; empty for a source of the unnamed package
    // The folder its package's folders hang from: the one to give javac as -sourcepath and java
    // as -cp. Without a final separator, except where that is all there is ("/", "C:\").
    QString root;
    bool matchesFolder = true; // false when the folders above the source don't spell the package

    friend bool operator==(const JavaPackagePlace&, const JavaPackagePlace&) = default;
};

// The name of the `package` statement `source` starts with, after comments, blanks, a byte order
// mark and annotations; empty when it has none.
QString JavaPackageName(const QString& source);

// The package root of the source saved at `sourcePath` whose text is `source`. A source in
// …/a/b/ saying `package a.b;` has …/ as its root; one whose folders don't match has its own
// folder as root and `matchesFolder` false.
JavaPackagePlace JavaPackageRoot(const QString& sourcePath, const QString& source,
                                 PathStyle style = nativePathStyle());

// What the Output pane says when a source's package line doesn't match its folders.
QString PackageMismatchMessage(const QString& sourcePath, const QString& packageName);

} // namespace orvane
