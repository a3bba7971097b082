package orvane.viewer;

import java.applet.Applet;
import java.awt.Desktop;
import java.awt.EventQueue;
import java.io.IOException;
import java.io.InputStream;
import java.net.MalformedURLException;
import java.net.URISyntaxException;
import java.net.URL;
import java.util.ArrayList;
import java.util.Collections;
import java.util.Enumeration;
import java.util.HashMap;
import java.util.Iterator;
import java.util.List;
import java.util.Map;

// The applet classes are deprecated for removal; showing applets is this program's purpose.
/** The windows of one page's applets; the viewer ends when the last one closes. */
@SuppressWarnings({"deprecation", "removal"})
final class PageWindows {
    private static final int CASCADE = 30;

    private final List<AppletWindow> windows = new ArrayList<>();
    private final Map<String, InputStream> streams = new HashMap<>();

    /** Opens a window per applet on the event thread. False when not one applet could be shown. */
    static boolean show(URL documentBase, List<AppletTag> tags, long closeAfterStart) {
        PageWindows page = new PageWindows();
        boolean[] shown = {false};
        try {
            EventQueue.invokeAndWait(() -> shown[0] = page.open(documentBase, tags));
        } catch (Exception e) {
            e.printStackTrace();
            return false;
        }
        if (shown[0] && closeAfterStart > 0)
            page.closeLater(closeAfterStart);
        return shown[0];
    }

    private boolean open(URL documentBase, List<AppletTag> tags) {
        for (AppletTag tag : tags) {
            try {
                // Listed first, so the applet finds itself among the page's applets.
                AppletWindow window = new AppletWindow(this, tag, documentBase);
                windows.add(window);
                if (!window.open(CASCADE * windows.size())) {
                    windows.remove(window);
                    window.dispose();
                }
            } catch (MalformedURLException e) {
                System.err.println("The applet " + tag.className() + " has a codebase that is not"
                                   + " a valid address: " + tag.codebase);
            }
        }
        return !windows.isEmpty();
    }

    /** Closes every window after a while, as if the user had closed them. */
    private void closeLater(long milliseconds) {
        Thread closer = new Thread(() -> {
            try {
                Thread.sleep(milliseconds);
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
            }
            EventQueue.invokeLater(() -> new ArrayList<>(windows).forEach(AppletWindow::close));
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

    Applet applet(String name) {
        for (AppletWindow window : windows) {
            if (window.name().equals(name))
                return window.applet();
        }
        return null;
    }

    Enumeration<Applet> applets() {
        List<Applet> applets = new ArrayList<>();
        for (AppletWindow window : windows)
            applets.add(window.applet());
        return Collections.enumeration(applets);
    }

    void showDocument(URL url) {
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
