package orvane.viewer;

import java.util.LinkedHashMap;
import java.util.Locale;
import java.util.Map;

/** One applet that a page asks for: its class, where the class lives, its size and parameters. */
final class AppletTag {
    static final int DEFAULT_SIZE = 200;

    String code = "";
    String codebase = "";
    String archive = "";
    /** The tag's name, by which the page's other applets find this one. */
    String name = "";
    int width = DEFAULT_SIZE;
    int height = DEFAULT_SIZE;
    /** Parameter names in lower case, since pages spell them as they like. */
    final Map<String, String> parameters = new LinkedHashMap<>();

    void putParameter(String name, String value) {
        parameters.put(name.toLowerCase(Locale.ROOT), value);
    }

    String parameter(String name) { return parameters.get(name.toLowerCase(Locale.ROOT)); }

    /** The class name as the class loader wants it: "pkg/MyApplet.class" gives "pkg.MyApplet". */
    String className() {
        String name = code.trim();
        if (name.endsWith(".class"))
            name = name.substring(0, name.length() - ".class".length());
        return name.replace('/', '.');
    }

    /**
     * "200" and "200px" give 200; a percentage or nothing at all gives the default size, and a
     * number too large to read the largest size there is.
     */
    static int size(String text) {
        if (text == null || text.trim().endsWith("%"))
            return DEFAULT_SIZE;
        String digits = text.trim().replaceFirst("^(\\d+).*$", "$1");
        if (digits.matches("\\d{10,}"))
            return Integer.MAX_VALUE;
        try {
            int value = Integer.parseInt(digits);
            return value > 0 ? value : DEFAULT_SIZE;
        } catch (NumberFormatException e) {
            return DEFAULT_SIZE;
        }
    }
}
