package orvane.viewer;

import java.io.IOException;
import java.net.MalformedURLException;
import java.nio.ByteBuffer;
import java.nio.charset.CharacterCodingException;
import java.nio.charset.Charset;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.List;

/**
 * Orvane's applet viewer: shows each applet of an HTML page in a window of its own.
 * Usage: java -jar orvane-viewer.jar page.html
 *
 * Exit status: 0 when the last window was closed, 2 when the page could not be read or holds no
 * applet that could be shown, 3 when this Java runtime has no applet classes at all; then it
 * also prints NO_APPLET_CLASSES_LINE.
 */
public final class ViewerMain {
    static final int PAGE_NOT_SHOWN = 2;
    static final int NO_APPLET_CLASSES = 3;
    static final String NO_APPLET_CLASSES_LINE = "orvane-viewer: no applet classes";

    /** Milliseconds after which the viewer closes its windows by itself; for automated runs. */
    private static final String CLOSE_AFTER_START = "orvane.viewer.closeAfterStart";

    private ViewerMain() {}

    /** Pages are read as Orvane reads documents: UTF-8 when they are, else Windows-1252. */
    private static String decode(byte[] bytes) {
        try {
            return StandardCharsets.UTF_8.newDecoder().decode(ByteBuffer.wrap(bytes)).toString();
        } catch (CharacterCodingException e) {
            return new String(bytes, Charset.forName("windows-1252"));
        }
    }

    public static void main(String[] args) {
        if (args.length != 1) {
            System.err.println("Usage: java -jar orvane-viewer.jar page.html");
            System.exit(PAGE_NOT_SHOWN);
        }
        // Looked up by name: this class must load even where the applet classes are gone.
        try {
            Class.forName("java.applet.Applet");
        } catch (ClassNotFoundException e) {
            // Orvane reads this line, whatever the exit status, to tell the user what to do.
            System.out.println(NO_APPLET_CLASSES_LINE);
            System.err.println("This Java runtime (version " + System.getProperty("java.version") +
                               ") has no applet classes: they were removed after JDK 25."
                               + " Orvane gives it its own when orvane-applet-api.jar lies"
                               + " beside the program.");
            System.exit(NO_APPLET_CLASSES);
        }
        Path page = Paths.get(args[0]).toAbsolutePath();
        String text;
        try {
            text = decode(Files.readAllBytes(page));
        } catch (IOException e) {
            System.err.println("Cannot read the page " + page + ": " + e);
            System.exit(PAGE_NOT_SHOWN);
            return;
        }
        List<AppletTag> applets = AppletPageReader.read(text);
        if (applets.isEmpty()) {
            System.err.println("The page " + page + " holds no APPLET, OBJECT or EMBED tag"
                               + " naming an applet class.");
            System.exit(PAGE_NOT_SHOWN);
        }
        try {
            if (!PageWindows.show(page.toUri().toURL(), applets,
                                  Long.getLong(CLOSE_AFTER_START, 0L)))
                System.exit(PAGE_NOT_SHOWN);
        } catch (MalformedURLException e) {
            System.err.println("Cannot address the page " + page + ": " + e);
            System.exit(PAGE_NOT_SHOWN);
        }
    }
}
