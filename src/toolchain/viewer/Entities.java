package orvane.viewer;

import java.util.HashMap;
import java.util.Map;

/** The character references a page may use inside attribute values: HTML 4's and numbers. */
final class Entities {
    private Entities() {}

    /** What a reference that names no character becomes. */
    private static final String REPLACEMENT = "\uFFFD";

    // Names whose characters follow one another from the given one.
    private static final String[][] RUNS = {
        {"160", "nbsp iexcl cent pound curren yen brvbar sect uml copy ordf laquo not shy reg macr "
                + "deg plusmn sup2 sup3 acute micro para middot cedil sup1 ordm raquo frac14 frac12 "
                + "frac34 iquest Agrave Aacute Acirc Atilde Auml Aring AElig Ccedil Egrave Eacute "
                + "Ecirc Euml Igrave Iacute Icirc Iuml ETH Ntilde Ograve Oacute Ocirc Otilde Ouml "
                + "times Oslash Ugrave Uacute Ucirc Uuml Yacute THORN szlig agrave aacute acirc "
                + "atilde auml aring aelig ccedil egrave eacute ecirc euml igrave iacute icirc "
                + "iuml eth ntilde ograve oacute ocirc otilde ouml divide oslash ugrave uacute "
                + "ucirc uuml yacute thorn yuml"},
        {"913", "Alpha Beta Gamma Delta Epsilon Zeta Eta Theta Iota Kappa Lambda Mu Nu Xi Omicron "
                + "Pi Rho"},
        {"931", "Sigma Tau Upsilon Phi Chi Psi Omega"},
        {"945", "alpha beta gamma delta epsilon zeta eta theta iota kappa lambda mu nu xi omicron "
                + "pi rho sigmaf sigma tau upsilon phi chi psi omega"},
        {"977", "thetasym upsih"},
        {"8194", "ensp emsp"},
        {"8204", "zwnj zwj lrm rlm"},
        {"8211", "ndash mdash"},
        {"8216", "lsquo rsquo sbquo"},
        {"8220", "ldquo rdquo bdquo"},
        {"8224", "dagger Dagger bull"},
        {"8242", "prime Prime"},
        {"8249", "lsaquo rsaquo"},
        {"8592", "larr uarr rarr darr harr"},
        {"8656", "lArr uArr rArr dArr hArr"},
        {"8706", "part exist"},
        {"8711", "nabla isin notin"},
        {"8721", "sum minus"},
        {"8733", "prop infin"},
        {"8743", "and or cap cup int"},
        {"8804", "le ge"},
        {"8834", "sub sup nsub"},
        {"8838", "sube supe"},
        {"8968", "lceil rceil lfloor rfloor"},
        {"9001", "lang rang"},
        {"34", "quot"}, {"38", "amp"}, {"39", "apos"}, {"60", "lt"}, {"62", "gt"},
        {"338", "OElig oelig"}, {"352", "Scaron scaron"}, {"376", "Yuml"}, {"402", "fnof"},
        {"710", "circ"}, {"732", "tilde"}, {"982", "piv"}, {"8201", "thinsp"},
        {"8230", "hellip"}, {"8240", "permil"}, {"8254", "oline"}, {"8260", "frasl"},
        {"8364", "euro"}, {"8465", "image"}, {"8472", "weierp"}, {"8476", "real"},
        {"8482", "trade"}, {"8501", "alefsym"}, {"8629", "crarr"}, {"8704", "forall"},
        {"8709", "empty"}, {"8715", "ni"}, {"8719", "prod"}, {"8727", "lowast"},
        {"8730", "radic"}, {"8736", "ang"}, {"8756", "there4"}, {"8764", "sim"},
        {"8773", "cong"}, {"8776", "asymp"}, {"8800", "ne equiv"}, {"8853", "oplus"},
        {"8855", "otimes"}, {"8869", "perp"}, {"8901", "sdot"}, {"9674", "loz"},
        {"9824", "spades"}, {"9827", "clubs"}, {"9829", "hearts diams"},
    };

    private static final Map<String, Integer> NAMES = new HashMap<>();

    static {
        for (String[] run : RUNS) {
            int code = Integer.parseInt(run[0]);
            for (String name : run[1].split(" "))
                NAMES.put(name, code++);
        }
    }

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
        Integer named = NAMES.get(name);
        if (named != null)
            return new String(Character.toChars(named));
        if (!name.startsWith("#"))
            return null;
        boolean hex = name.startsWith("#x") || name.startsWith("#X");
        String digits = name.substring(hex ? 2 : 1);
        if (digits.isEmpty() || !digits.matches(hex ? "[0-9A-Fa-f]+" : "[0-9]+"))
            return null;
        // A NUL, half of a surrogate pair or a number past the last character names nothing.
        long code = digits.length() > 8 ? Long.MAX_VALUE : Long.parseLong(digits, hex ? 16 : 10);
        if (code == 0 || code > Character.MAX_CODE_POINT || (code >= 0xD800 && code <= 0xDFFF))
            return REPLACEMENT;
        return new String(Character.toChars((int) code));
    }
}
