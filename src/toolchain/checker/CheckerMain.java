package orvane.checker;

import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStreamReader;
import java.io.OutputStream;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.util.Arrays;
import java.util.List;
import javax.tools.JavaCompiler;
import javax.tools.ToolProvider;

/**
 * Orvane's checker: compiles Java sources that Orvane sends it, in memory, and answers with the
 * compiler's diagnostics. It writes no file and keeps running until its standard input ends.
 *
 * Usage: java -jar orvane-checker.jar [javac options...]
 *
 * Requests on standard input, in UTF-8:
 *   check NUMBER LENGTH      NUMBER counts up; LENGTH is the text's length in UTF-16 units
 *   PATH                     the document's file, which names the compilation unit
 *   SOURCEPATH               where the other classes it uses are looked for
 *   TEXT                     exactly LENGTH units, lines separated by "\n"
 * Answers on standard output, in UTF-8, one line each:
 *   NUMBER KIND LINE COLUMN ENDCOLUMN MESSAGE   KIND is error, warning or note; LINE and COLUMN
 *                                               count from 1; ENDCOLUMN is the column after the
 *                                               marked text on that line, 0 when javac gives none;
 *                                               MESSAGE has "\" as "\\" and line breaks as "\n"
 *   NUMBER end                                  after the last diagnostic of a request
 *   NUMBER skipped                              a newer request came before this one was checked
 *   0 unavailable                               this Java runtime has no compiler; the checker ends
 */
public final class CheckerMain {
    static final int NO_COMPILER = 2;

    private CheckerMain() {}

    public static void main(String[] args) throws IOException, InterruptedException {
        PrintStream out =
            new PrintStream(new java.io.FileOutputStream(java.io.FileDescriptor.out), true,
                            StandardCharsets.UTF_8.name());
        JavaCompiler compiler = ToolProvider.getSystemJavaCompiler();
        if (compiler == null) {
            out.println("0 unavailable");
            System.exit(NO_COMPILER);
        }
        // Whatever javac or a library prints by itself must not break the answers.
        System.setOut(new PrintStream(OutputStream.nullOutputStream()));
        BufferedReader in =
            new BufferedReader(new InputStreamReader(System.in, StandardCharsets.UTF_8));
        List<String> options = Arrays.asList(args);
        RequestQueue queue = new RequestQueue();
        Thread reader = new Thread(() -> queue.readAll(in, out), "requests");
        reader.setDaemon(true);
        reader.start();
        SourceCheck check = new SourceCheck(compiler, options);
        for (Request request = queue.take(); request != null; request = queue.take()) {
            for (String answer : check.run(request))
                out.println(request.number + " " + answer);
            out.println(request.number + " end");
        }
    }
}
