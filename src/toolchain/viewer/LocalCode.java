package orvane.viewer;

import java.io.IOException;
import java.net.MalformedURLException;
import java.net.URISyntaxException;
import java.net.URL;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.List;

/**
 * Where an applet's classes may come from: files in its page's folder or below it, nothing else.
 * An applet runs with the user's rights, so code from a web address or from elsewhere on the
 * disk, named by a page the user merely opened, is never run.
 */
final class LocalCode {
    private LocalCode() {}

    /** A codebase or archive that names anything but a local file under the page's folder. */
    static final class Refused extends Exception {
        private static final long serialVersionUID = 1L;

        Refused(String message) { super(message); }
    }

    /** The page's folder, as the file system names it. */
    static Path pageFolder(URL documentBase) {
        try {
            return real(Paths.get(documentBase.toURI()).getParent());
        } catch (URISyntaxException | IllegalArgumentException e) {
            return Paths.get("").toAbsolutePath();
        }
    }

    /** The code base the tag names, checked; the page's folder when it names none. */
    static URL codeBase(URL documentBase, AppletTag tag) throws Refused {
        String folder = tag.codebase.isEmpty() ? "." : tag.codebase;
        if (!folder.endsWith("/"))
            folder += "/";
        return checked(documentBase, documentBase, folder, "codebase");
    }

    /** The code base, then each archive the tag names, checked. */
    static URL[] classPath(URL documentBase, URL codeBase, AppletTag tag) throws Refused {
        List<URL> path = new ArrayList<>();
        path.add(codeBase);
        for (String archive : tag.archive.split(",")) {
            if (!archive.trim().isEmpty())
                path.add(checked(documentBase, codeBase, archive.trim(), "archive"));
        }
        return path.toArray(new URL[0]);
    }

    /** Whether `url` is a file in the page's folder or below it. */
    static boolean isInside(URL documentBase, URL url) {
        try {
            return url.getProtocol().equals("file") &&
                   real(Paths.get(url.toURI()).normalize()).startsWith(pageFolder(documentBase));
        } catch (URISyntaxException | IllegalArgumentException e) {
            return false;
        }
    }

    private static URL checked(URL documentBase, URL base, String name, String what)
        throws Refused {
        URL url;
        try {
            url = new URL(base, name);
        } catch (MalformedURLException e) {
            url = null;
        }
        if (url == null || !isInside(documentBase, url))
            throw new Refused("Refused the applet's " + what + " \"" + name + "\": the viewer "
                              + "runs only classes from the page's own folder or below it, and "
                              + "fetches nothing from elsewhere. Copy the classes there and name "
                              + "them by a relative path.");
        return url;
    }

    /** The path with its links followed, where it exists, so a link can't lead outside. */
    private static Path real(Path path) {
        try {
            return Files.exists(path) ? path.toRealPath() : path.toAbsolutePath().normalize();
        } catch (IOException e) {
            return path.toAbsolutePath().normalize();
        }
    }
}
