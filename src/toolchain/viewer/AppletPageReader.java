package orvane.viewer;

import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Locale;
import java.util.Map;

/**
 * Finds the applets of an HTML page in its APPLET, OBJECT and EMBED tags. Pages written for the
 * Java plug-in put an EMBED inside the OBJECT for other browsers: tags inside an applet's
 * OBJECT or APPLET are alternatives of the same applet and are left out.
 */
final class AppletPageReader {
    private final String page;
    private int at;

    private final List<AppletTag> applets = new ArrayList<>();
    private AppletTag current;
    private String currentKind;
    private Map<String, String> currentAttributes;
    private int nestedDepth;

    private AppletPageReader(String page) { this.page = page; }

    static List<AppletTag> read(String page) {
        AppletPageReader reader = new AppletPageReader(page);
        reader.readAll();
        return reader.applets;
    }

    private void readAll() {
        while ((at = page.indexOf('<', at)) >= 0) {
            if (page.startsWith("<!--", at)) {
                skipPast("-->");
            } else if (page.startsWith("<!", at) || page.startsWith("<?", at)) {
                skipPast(">");
            } else {
                readTag();
            }
        }
        if (current != null)
            finish();
    }

    private void skipPast(String end) {
        int found = page.indexOf(end, at + 2);
        at = found < 0 ? page.length() : found + end.length();
    }

    private void readTag() {
        at++;
        boolean closing = at < page.length() && page.charAt(at) == '/';
        if (closing)
            at++;
        int nameStart = at;
        while (at < page.length() && Character.isLetterOrDigit(page.charAt(at)))
            at++;
        String name = page.substring(nameStart, at).toLowerCase(Locale.ROOT);
        // A "<" of the text itself ("a < b") starts no tag.
        if (name.isEmpty())
            return;
        Map<String, String> attributes = readAttributes();
        if (closing)
            endTag(name);
        else
            startTag(name, attributes);
    }

    /** Reads up to and past the tag's ">"; names in lower case, values as written. */
    private Map<String, String> readAttributes() {
        Map<String, String> attributes = new LinkedHashMap<>();
        while (at < page.length()) {
            char c = page.charAt(at);
            if (c == '>') {
                at++;
                break;
            }
            if (Character.isWhitespace(c) || c == '/') {
                at++;
                continue;
            }
            int nameStart = at;
            while (at < page.length() && !Character.isWhitespace(page.charAt(at)) &&
                   "=>/\"'".indexOf(page.charAt(at)) < 0)
                at++;
            String name = page.substring(nameStart, at).toLowerCase(Locale.ROOT);
            if (name.isEmpty()) {
                at++;
                continue;
            }
            skipBlanks();
            String value = "";
            if (at < page.length() && page.charAt(at) == '=') {
                at++;
                skipBlanks();
                value = readValue();
            }
            attributes.putIfAbsent(name, value);
        }
        return attributes;
    }

    private void skipBlanks() {
        while (at < page.length() && Character.isWhitespace(page.charAt(at)))
            at++;
    }

    private String readValue() {
        if (at >= page.length())
            return "";
        char quote = page.charAt(at);
        if (quote == '"' || quote == '\'') {
            int end = page.indexOf(quote, at + 1);
            if (end < 0)
                end = page.length();
            String value = page.substring(at + 1, end);
            at = Math.min(end + 1, page.length());
            return Entities.decode(value);
        }
        int start = at;
        while (at < page.length() && !Character.isWhitespace(page.charAt(at)) &&
               page.charAt(at) != '>')
            at++;
        return Entities.decode(page.substring(start, at));
    }

    private static boolean isAppletKind(String name) {
        return name.equals("applet") || name.equals("object") || name.equals("embed");
    }

    private void startTag(String name, Map<String, String> attributes) {
        if (current != null) {
            if (name.equals("param") && nestedDepth == 0)
                current.putParameter(attributes.getOrDefault("name", ""),
                                     attributes.getOrDefault("value", ""));
            else if (name.equals("applet") || name.equals("object"))
                nestedDepth++;
            return;
        }
        if (!isAppletKind(name))
            return;
        current = new AppletTag();
        currentKind = name;
        currentAttributes = attributes;
        nestedDepth = 0;
        current.width = AppletTag.size(attributes.get("width"));
        current.height = AppletTag.size(attributes.get("height"));
        if (name.equals("embed")) {
            // The plug-in hands every attribute of an EMBED to the applet as a parameter.
            attributes.forEach(current::putParameter);
            finish();
        }
    }

    private void endTag(String name) {
        if (current == null || !(name.equals("applet") || name.equals("object")))
            return;
        if (nestedDepth > 0)
            nestedDepth--;
        else if (name.equals(currentKind))
            finish();
    }

    private void finish() {
        AppletTag tag = current;
        Map<String, String> attributes = currentAttributes;
        current = null;
        if (currentKind.equals("object")) {
            // An OBJECT's own codebase says where the browser finds the plug-in, unless its
            // classid names the Java class itself.
            String classId = attributes.getOrDefault("classid", "");
            if (classId.regionMatches(true, 0, "java:", 0, 5)) {
                tag.code = classId.substring(5);
                tag.codebase = attributes.getOrDefault("codebase", "");
            } else {
                tag.code = firstOf(tag.parameter("java_code"), tag.parameter("code"));
                tag.codebase = firstOf(tag.parameter("java_codebase"), tag.parameter("codebase"));
            }
            tag.archive = firstOf(tag.parameter("java_archive"), tag.parameter("archive"));
        } else {
            tag.code = firstOf(attributes.get("code"), tag.parameter("code"));
            tag.codebase = firstOf(attributes.get("codebase"), tag.parameter("codebase"));
            tag.archive = firstOf(attributes.get("archive"), tag.parameter("archive"));
        }
        tag.name = firstOf(attributes.get("name"), tag.parameter("name"));
        if (!tag.code.trim().isEmpty())
            applets.add(tag);
    }

    private static String firstOf(String first, String second) {
        if (first != null && !first.trim().isEmpty())
            return first.trim();
        return second == null ? "" : second.trim();
    }
}
