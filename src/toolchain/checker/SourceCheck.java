package orvane.checker;

import com.sun.source.util.JavacTask;
import java.io.File;
import java.io.IOException;
import java.io.OutputStream;
import java.net.URI;
import java.util.ArrayList;
import java.util.List;
import java.util.Locale;
import javax.tools.Diagnostic;
import javax.tools.DiagnosticCollector;
import javax.tools.FileObject;
import javax.tools.ForwardingJavaFileManager;
import javax.tools.JavaCompiler;
import javax.tools.JavaFileObject;
import javax.tools.SimpleJavaFileObject;
import javax.tools.StandardJavaFileManager;
import javax.tools.StandardLocation;

/** Compiles one request's text in memory as far as its diagnostics go. */
final class SourceCheck {
    private final JavaCompiler compiler;
    private final List<String> options;
    // Kept from check to check: it holds the JDK's class index, the reason to stay running.
    private final StandardJavaFileManager files;
    private final JavaFileManagerWithoutOutput noOutput;

    SourceCheck(JavaCompiler compiler, List<String> options) {
        this.compiler = compiler;
        this.options = options;
        this.files = compiler.getStandardFileManager(null, Locale.ENGLISH, null);
        this.noOutput = new JavaFileManagerWithoutOutput(files);
    }

    /** The answers for one request, each "KIND LINE COLUMN ENDCOLUMN MESSAGE". */
    List<String> run(Request request) throws IOException {
        files.setLocation(StandardLocation.SOURCE_PATH, List.of(new File(request.sourcePath)));
        DiagnosticCollector<JavaFileObject> found = new DiagnosticCollector<>();
        JavaFileObject source = new TextSource(new File(request.path).toURI(), request.text);
        List<String> all = new ArrayList<>(options);
        all.add("-proc:none");
        all.add("-implicit:none");
        JavacTask task = (JavacTask) compiler.getTask(null, noOutput, found, all, null,
                                                      List.of(source));
        try {
            task.analyze();
        } catch (RuntimeException e) {
            // A compiler fault on half-typed code is no answer; the next request tries again.
            System.err.println("javac failed on request " + request.number + ": " + e);
        }
        List<String> answers = new ArrayList<>();
        LineIndex lines = new LineIndex(request.text);
        for (Diagnostic<? extends JavaFileObject> each : found.getDiagnostics()) {
            if (each.getSource() != source || each.getPosition() == Diagnostic.NOPOS)
                continue;
            answers.add(lines.describe(kindName(each.getKind()), each.getPosition(),
                                       each.getEndPosition(),
                                       each.getMessage(Locale.ENGLISH)));
        }
        return answers;
    }

    private static String kindName(Diagnostic.Kind kind) {
        switch (kind) {
        case ERROR:
            return "error";
        case WARNING:
        case MANDATORY_WARNING:
            return "warning";
        default:
            return "note";
        }
    }

    /** The document's text under its own file's name, so javac holds it to that name's rules. */
    private static final class TextSource extends SimpleJavaFileObject {
        private final String text;

        TextSource(URI uri, String text) {
            super(uri, Kind.SOURCE);
            this.text = text;
        }

        @Override
        public CharSequence getCharContent(boolean ignoreEncodingErrors) {
            return text;
        }
    }

    /** Every class file javac would write goes nowhere. */
    private static final class JavaFileManagerWithoutOutput
        extends ForwardingJavaFileManager<StandardJavaFileManager> {
        JavaFileManagerWithoutOutput(StandardJavaFileManager files) {
            super(files);
        }

        @Override
        public JavaFileObject getJavaFileForOutput(Location location, String className,
                                                   JavaFileObject.Kind kind, FileObject sibling) {
            return new SimpleJavaFileObject(URI.create("mem:///" + className.replace('.', '/')
                                                       + kind.extension), kind) {
                @Override
                public OutputStream openOutputStream() {
                    return OutputStream.nullOutputStream();
                }
            };
        }

        @Override
        public FileObject getFileForOutput(Location location, String packageName,
                                           String relativeName, FileObject sibling) {
            return getJavaFileForOutput(location, packageName + "." + relativeName,
                                        JavaFileObject.Kind.OTHER, sibling);
        }
    }
}
