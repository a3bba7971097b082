package orvane.viewer;

import java.applet.Applet;
import java.applet.AppletContext;
import java.applet.AppletStub;
import java.applet.AudioClip;
import java.awt.BorderLayout;
import java.awt.Dimension;
import java.awt.Frame;
import java.awt.Image;
import java.awt.Label;
import java.awt.Toolkit;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import java.io.InputStream;
import java.net.MalformedURLException;
import java.net.URL;
import java.net.URLClassLoader;
import java.util.ArrayList;
import java.util.Enumeration;
import java.util.Iterator;
import java.util.List;

// The applet classes are deprecated for removal; showing applets is this program's purpose.
/**
 * The window of one applet: the applet at the size its page asks for, its status line below.
 * The window is the applet's stub and context, so showStatus writes into that status line.
 */
@SuppressWarnings({"deprecation", "removal"})
final class AppletWindow extends Frame implements AppletStub, AppletContext {
    private static final long serialVersionUID = 1L;

    private final PageWindows page;
    private final AppletTag tag;
    private final URL documentBase;
    private final URL codeBase;
    private final Label status = new Label();
    private Applet applet;
    private boolean active;

    AppletWindow(PageWindows page, AppletTag tag, URL documentBase) throws MalformedURLException {
        super("Applet Viewer: " + tag.className());
        this.page = page;
        this.tag = tag;
        this.documentBase = documentBase;
        // Without a codebase the classes lie beside the page.
        String folder = tag.codebase.isEmpty() ? "." : tag.codebase;
        if (!folder.endsWith("/"))
            folder += "/";
        this.codeBase = new URL(documentBase, folder);
        addWindowListener(new WindowAdapter() {
            @Override
            public void windowClosing(WindowEvent event) {
                close();
            }
        });
    }

    /** Loads the applet's class, shows the window, and initialises and starts the applet. */
    boolean open(int offset) {
        try {
            applet = load();
        } catch (ClassNotFoundException e) {
            System.err.println("Cannot find the applet class " + tag.className() + " in " +
                               codeBase.getPath() + ": compile the applet's source first.");
            return false;
        } catch (ReflectiveOperationException | LinkageError | ClassCastException |
                 MalformedURLException e) {
            System.err.println("Cannot load the applet " + tag.className() + " from " + codeBase +
                               ": " + e);
            return false;
        }
        applet.setStub(this);
        applet.setPreferredSize(new Dimension(tag.width, tag.height));
        setLayout(new BorderLayout());
        add(applet, BorderLayout.CENTER);
        add(status, BorderLayout.SOUTH);
        pack();
        setLocation(offset, offset);
        setVisible(true);
        try {
            applet.init();
            validate();
            active = true;
            applet.start();
            if (status.getText().isEmpty())
                status.setText("Applet started.");
        } catch (RuntimeException | Error e) {
            active = false;
            status.setText("Applet not started: " + e);
            e.printStackTrace();
        }
        return true;
    }

    private Applet load() throws ReflectiveOperationException, MalformedURLException {
        List<URL> path = new ArrayList<>();
        path.add(codeBase);
        for (String archive : tag.archive.split(",")) {
            if (!archive.trim().isEmpty())
                path.add(new URL(codeBase, archive.trim()));
        }
        ClassLoader loader =
            new URLClassLoader(path.toArray(new URL[0]), AppletWindow.class.getClassLoader());
        Class<?> type = loader.loadClass(tag.className());
        return type.asSubclass(Applet.class).getDeclaredConstructor().newInstance();
    }

    /** Stops and destroys the applet, then closes the window. */
    void close() {
        if (applet != null) {
            try {
                if (active) {
                    active = false;
                    applet.stop();
                }
                applet.destroy();
            } catch (RuntimeException | Error e) {
                e.printStackTrace();
            }
        }
        dispose();
        page.closed(this);
    }

    Applet applet() { return applet; }

    String name() {
        String name = tag.parameter("name");
        return name == null ? "" : name;
    }

    // AppletStub

    @Override
    public boolean isActive() {
        return active;
    }

    @Override
    public URL getDocumentBase() {
        return documentBase;
    }

    @Override
    public URL getCodeBase() {
        return codeBase;
    }

    @Override
    public String getParameter(String name) {
        return tag.parameter(name);
    }

    @Override
    public AppletContext getAppletContext() {
        return this;
    }

    @Override
    public void appletResize(int width, int height) {
        applet.setPreferredSize(new Dimension(width, height));
        pack();
    }

    // AppletContext

    @Override
    public AudioClip getAudioClip(URL url) {
        return Applet.newAudioClip(url);
    }

    @Override
    public Image getImage(URL url) {
        return Toolkit.getDefaultToolkit().getImage(url);
    }

    @Override
    public Applet getApplet(String name) {
        return page.applet(name);
    }

    @Override
    public Enumeration<Applet> getApplets() {
        return page.applets();
    }

    @Override
    public void showDocument(URL url) {
        page.showDocument(url);
    }

    @Override
    public void showDocument(URL url, String target) {
        page.showDocument(url);
    }

    @Override
    public void showStatus(String text) {
        status.setText(text == null ? "" : text);
    }

    @Override
    public void setStream(String key, InputStream stream) {
        page.setStream(key, stream);
    }

    @Override
    public InputStream getStream(String key) {
        return page.stream(key);
    }

    @Override
    public Iterator<String> getStreamKeys() {
        return page.streamKeys();
    }
}
