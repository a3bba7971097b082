package orvane.checker;

/** Lines and columns of a text whose lines end with "\n", as Orvane's editor counts them. */
final class LineIndex {
    private final String text;

    LineIndex(String text) {
        this.text = text;
    }

    /** "KIND LINE COLUMN ENDCOLUMN MESSAGE" for a diagnostic at `position` up to `end`. */
    String describe(String kind, long position, long end, String message) {
        int at = (int) Math.min(position, text.length());
        int lineStart = text.lastIndexOf('\n', at - 1) + 1;
        int line = 1;
        for (int i = text.indexOf('\n'); i >= 0 && i < at; i = text.indexOf('\n', i + 1))
            ++line;
        int lineEnd = text.indexOf('\n', at);
        if (lineEnd < 0)
            lineEnd = text.length();
        long endColumn = end > at && end <= lineEnd ? end - lineStart + 1 : 0;
        return kind + " " + line + " " + (at - lineStart + 1) + " " + endColumn + " "
            + escape(message);
    }

    private static String escape(String message) {
        return message.replace("\\", "\\\\").replace("\r\n", "\n").replace("\r", "\n")
            .replace("\n", "\\n");
    }
}
