package orvane.viewer;

import java.applet.Applet;
import java.awt.Desktop;
import java.awt.EventQueue;
import java.io.IOException;
import java.io.InputStream;
import java.net.URISyntaxException;
import java.net.URL;
import java.util.ArrayList;
import java.util.Collections;
import java.util.Enumeration;
import java.util.Iterator;
import java.util.List;
import java.util.Map;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.CopyOnWriteArrayList;

// The applet classes are deprecated for removal; showing applets is this program's purpose.
/** The windows of one page's applets; the viewer ends when the last one closes. */
@SuppressWarnings({"deprecation", "removal"})
final class PageWindows {
    private static final int CASCADE = 30;

    private final List<AppletWindow> windows = new CopyOnWriteArrayList<>();
    private final Map<String, InputStream> streams = new ConcurrentHashMap<>();
    private final URL documentBase;

    private PageWindows(URL documentBase) { this.documentBase = documentBase; }

    /**
     * Opens a window per applet, one applet after the other, each waited for only so long.
     * False when not one applet could be shown.
     */
    static boolean show(URL documentBase, List<AppletTag> tags, long closeAfterStart) {
        PageWindows page = new PageWindows(documentBase);
        for (AppletTag tag : tags) {
            // Listed first, so the applet finds itself among the page's applets.
            AppletWindow window = new AppletWindow(page, tag, documentBase);
            page.windows.add(window);
            if (window.open(CASCADE * page.windows.size()) == AppletWindow.Opened.NOT_LOADED) {
                page.windows.remove(window);
                EventQueue.invokeLater(window::dispose);
            }
        }
        if (page.windows.isEmpty())
            return false;
        if (closeAfterStart > 0)
            page.closeLater(closeAfterStart);
        return true;
    }

    /** Closes every window, one after the other, after a while, as if the user had. */
    private void closeLater(long milliseconds) {
        Thread closer = new Thread(() -> {
            try {
                Thread.sleep(milliseconds);
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
            }
            new ArrayList<>(windows).forEach(AppletWindow::shutDown);
        }, "close after start");
        closer.setDaemon(true);
        closer.start();
    }

    void closed(AppletWindow window) {
        windows.remove(window);
        // Applets may leave threads running; closing the last window ends them all.
        if (windows.isEmpty())
            System.exit(0);
    }

    /** The applet whose tag has the name `name`, as browsers compared names: ignoring case. */
    Applet applet(String name) {
        if (name == null || name.isEmpty())
            return null;
        for (AppletWindow window : windows) {
            if (window.name().equalsIgnoreCase(name))
                return window.applet();
        }
        return null;
    }

    Enumeration<Applet> applets() {
        List<Applet> applets = new ArrayList<>();
        for (AppletWindow window : windows) {
            if (window.applet() != null)
                applets.add(window.applet());
        }
        return Collections.enumeration(applets);
    }

    /** Hands web pages and the page's own files to the browser, and nothing else. */
    void showDocument(URL url) {
        String protocol = url.getProtocol();
        boolean web = protocol.equals("http") || protocol.equals("https");
        if (!web && !LocalCode.isInside(documentBase, url)) {
            System.err.println("Refused to show " + url + ": an applet may show only web pages"
                               + " (http, https) and files beside its page.");
            return;
        }
        try {
            if (Desktop.isDesktopSupported() &&
                Desktop.getDesktop().isSupported(Desktop.Action.BROWSE)) {
                Desktop.getDesktop().browse(url.toURI());
                return;
            }
        } catch (IOException | URISyntaxException | UnsupportedOperationException e) {
            System.err.println("Cannot show " + url + ": " + e);
            return;
        }
        System.err.println("Cannot show " + url + ": this desktop has no web browser to open it");
    }

    void setStream(String key, InputStream stream) {
        if (stream == null)
            streams.remove(key);
        else
            streams.put(key, stream);
    }

    InputStream stream(String key) { return streams.get(key); }

    Iterator<String> streamKeys() { return new ArrayList<>(streams.keySet()).iterator(); }
}
