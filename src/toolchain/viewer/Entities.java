package orvane.viewer;

/** The character references a page may use inside attribute values. */
final class Entities {
    private Entities() {}

    static String decode(String text) {
        if (text.indexOf('&') < 0)
            return text;
        StringBuilder out = new StringBuilder(text.length());
        int i = 0;
        while (i < text.length()) {
            char c = text.charAt(i);
            int end = c == '&' ? text.indexOf(';', i) : -1;
            String replacement = end > i ? reference(text.substring(i + 1, end)) : null;
            if (replacement == null) {
                out.append(c);
                i++;
            } else {
                out.append(replacement);
                i = end + 1;
            }
        }
        return out.toString();
    }

    private static String reference(String name) {
        switch (name) {
        case "amp":
            return "&";
        case "lt":
            return "<";
        case "gt":
            return ">";
        case "quot":
            return "\"";
        case "apos":
            return "'";
        default:
            break;
        }
        try {
            if (name.startsWith("#x") || name.startsWith("#X"))
                return new String(Character.toChars(Integer.parseInt(name.substring(2), 16)));
            if (name.startsWith("#"))
                return new String(Character.toChars(Integer.parseInt(name.substring(1))));
        } catch (IllegalArgumentException e) {
            return null;
        }
        return null;
    }
}
