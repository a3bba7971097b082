// The layering of src/ as data: which folder may include which. Arrows point down only, so a
// change that reaches up (a subsystem into the frame, the document layer into a subsystem) fails
// here with the file, the line and the edge named.

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

// Besides itself, what each folder under src/ may include. The settings store lives in
// settings/, so every subsystem may reach it; the wizard takes the version text from about/.
const QHash<QString, QSet<QString>> allowedEdges{
    {"app",
     {"about", "document", "insert", "platform", "search", "settings", "templates", "toolchain"}},
    {"about", {"document", "platform", "settings"}},
    {"templates", {"about", "document", "platform", "settings"}},
    {"insert", {"document", "platform", "settings"}},
    {"search", {"document", "platform", "settings"}},
    {"toolchain", {"document", "platform", "settings"}},
    {"settings", {"document", "platform"}},
    {"document", {"platform"}},
    {"platform", {}},
};

const QStringList windowModules{"QtGui", "QtWidgets", "QtPrintSupport"};

QString sourceRoot() {
    return qEnvironmentVariable("ORVANE_SOURCE_DIR") + QStringLiteral("/src/");
}

struct Include {
    QString file; // relative to src/
    int line;
    QString target; // as written between the quotes or angle brackets
    bool quoted;
};

QList<Include> allIncludes() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"));
    QList<Include> found;
    QDirIterator it(sourceRoot(), {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            const QRegularExpressionMatch match = pattern.match(QString::fromUtf8(lines.at(i)));
            if (match.hasMatch())
                found.append({file.fileName().mid(sourceRoot().size()), i + 1, match.captured(2),
                              match.captured(1) == u"\""});
        }
    }
    return found;
}

// "folder -> folder" for an include that breaks the table, or empty.
QString brokenEdge(const Include& include) {
    const QString from = include.file.section(u'/', 0, 0);
    const QString to = include.target.section(u'/', 0, 0);
    if (!include.quoted || !include.target.contains(u'/') || !allowedEdges.contains(from) ||
        from == to || allowedEdges.value(from).contains(to))
        return {};
    return from + QStringLiteral(" -> ") + to;
}

// The files each folder's CMakeLists.txt puts into the rules library.
QSet<QString> rulesFiles() {
    static const QRegularExpression block(
        QStringLiteral(R"(target_sources\(orvane_rules PRIVATE([^)]*)\))"));
    QSet<QString> files;
    QDirIterator it(sourceRoot(), {"CMakeLists.txt"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString folder = path.mid(sourceRoot().size()).section(u'/', 0, 0);
        auto matches = block.globalMatch(QString::fromUtf8(file.readAll()));
        while (matches.hasNext()) {
            for (const QString& name : matches.next().captured(1).split(
                     QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                files.insert(folder + u'/' + name);
        }
    }
    return files;
}

QString windowModuleOf(const QString& header) {
    const QString headers = QLibraryInfo::path(QLibraryInfo::HeadersPath);
    for (const QString& module : windowModules) {
        if (header.startsWith(module + u'/') ||
            QFile::exists(headers + u'/' + module + u'/' + header))
            return module;
    }
    return {};
}

// "src/file:line: " and what is wrong with the include.
QString Fault(const Include& include, const QString& what) {
    return QStringLiteral("src/%1:%2: ").arg(include.file).arg(include.line) + what;
}

} // namespace

class TestLayers : public QObject {
    Q_OBJECT

private slots:
    void includesPointDown() {
        const QList<Include> includes = allIncludes();
        QVERIFY2(includes.size() > 100, qPrintable(sourceRoot() + " holds no sources"));
        QStringList faults;
        for (const Include& include : includes) {
            const QString edge = brokenEdge(include);
            if (!edge.isEmpty())
                faults << Fault(include,
                                QStringLiteral("includes %1, but %2 is not an allowed edge")
                                    .arg(include.target, edge));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // Neither Qt's window modules nor any file of our own windows library: a rules file that
    // reached one would not build or test without a window system.
    void rulesStayOffTheWindowSystem() {
        const QSet<QString> rules = rulesFiles();
        QVERIFY2(rules.size() > 20, "no rules files found in src/*/CMakeLists.txt");
        QStringList faults;
        for (const Include& include : allIncludes()) {
            if (!rules.contains(include.file))
                continue;
            if (include.quoted) {
                if (include.target.contains(u'/') && !rules.contains(include.target))
                    faults << Fault(include, u"a rules file includes \"" + include.target +
                                                 u"\" of the windows library");
                continue;
            }
            const QString module = windowModuleOf(include.target);
            if (!module.isEmpty())
                faults << Fault(include, QStringLiteral("a rules file includes <%1> from %2")
                                             .arg(include.target, module));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_APPLESS_MAIN(TestLayers)
#include "tst_layers.moc"
