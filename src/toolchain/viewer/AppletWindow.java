package orvane.viewer;

import java.applet.Applet;
import java.applet.AppletContext;
import java.applet.AppletStub;
import java.applet.AudioClip;
import java.awt.BorderLayout;
import java.awt.Dimension;
import java.awt.EventQueue;
import java.awt.Frame;
import java.awt.Image;
import java.awt.Label;
import java.awt.Panel;
import java.awt.Toolkit;
import java.awt.event.WindowAdapter;
import java.awt.event.WindowEvent;
import java.io.IOException;
import java.io.InputStream;
import java.lang.reflect.InvocationTargetException;
import java.net.URL;
import java.net.URLClassLoader;
import java.util.Enumeration;
import java.util.Iterator;

// The applet classes are deprecated for removal; showing applets is this program's purpose.
/**
 * The window of one applet: the applet at the size its page asks for, its status line below.
 * The window is the applet's stub and context, so showStatus writes into that status line.
 */
@SuppressWarnings({"deprecation", "removal"})
final class AppletWindow extends Frame implements AppletStub, AppletContext {
    private static final long serialVersionUID = 1L;

    /** What became of an applet the window was opened for. */
    enum Opened { SHOWN, REFUSED, NOT_LOADED }

    private final PageWindows page;
    private final AppletTag tag;
    private final URL documentBase;
    private final Label status = new Label();
    private final Panel placeholder = new Panel();
    private final Lifecycle lifecycle;
    private final Dimension size;
    private URL codeBase;
    private URLClassLoader loader;
    private volatile Applet applet;
    private volatile boolean initialised;
    private volatile boolean active;
    private volatile boolean closing;

    AppletWindow(PageWindows page, AppletTag tag, URL documentBase) {
        super("Applet Viewer: " + tag.className());
        this.page = page;
        this.tag = tag;
        this.documentBase = documentBase;
        this.codeBase = documentBase;
        lifecycle = new Lifecycle("applet " + tag.className());
        // A page may ask for any size; the window must still fit the screen.
        Dimension screen = Toolkit.getDefaultToolkit().getScreenSize();
        size = new Dimension(Math.min(tag.width, screen.width),
                             Math.min(tag.height, screen.height));
        addWindowListener(new WindowAdapter() {
            @Override
            public void windowClosing(WindowEvent event) {
                close();
            }
        });
    }

    /**
     * Loads the applet, shows the window, then sizes the applet and runs its init before it
     * joins the window, then its start, as browsers did. Called off the event thread.
     */
    Opened open(int offset) {
        URL[] classPath;
        try {
            codeBase = LocalCode.codeBase(documentBase, tag);
            classPath = LocalCode.classPath(documentBase, codeBase, tag);
        } catch (LocalCode.Refused e) {
            System.err.println(e.getMessage());
            showWindow(offset);
            onEventThread(() -> status.setText(e.getMessage()));
            return Opened.REFUSED;
        }
        loader = new URLClassLoader(classPath, AppletWindow.class.getClassLoader());
        Lifecycle.Outcome loaded = lifecycle.run(() -> {
            applet = loader.loadClass(tag.className())
                         .asSubclass(Applet.class)
                         .getDeclaredConstructor()
                         .newInstance();
        });
        if (loaded == Lifecycle.Outcome.FAILED) {
            Throwable e = lifecycle.failure();
            if (e instanceof ClassNotFoundException)
                System.err.println("Cannot find the applet class " + tag.className() + " in " +
                                   codeBase.getPath() + ": compile the applet's source first.");
            else
                System.err.println("Cannot load the applet " + tag.className() + " from " +
                                   codeBase + ": " + e);
            lifecycle.end();
            closeLoader();
            return Opened.NOT_LOADED;
        }
        showWindow(offset);
        Lifecycle.Outcome started = loaded != Lifecycle.Outcome.DONE ? loaded : lifecycle.run(() -> {
            applet.setStub(this);
            applet.setSize(size);
            applet.setPreferredSize(size);
            applet.init();
            if (closing)
                return;
            initialised = true;
            EventQueue.invokeAndWait(this::join);
            active = true;
            applet.start();
        });
        showOutcome(started);
        return Opened.SHOWN;
    }

    /** The window, an empty panel of the applet's size where the applet will be. */
    private void showWindow(int offset) {
        onEventThread(() -> {
            placeholder.setPreferredSize(size);
            setLayout(new BorderLayout());
            add(placeholder, BorderLayout.CENTER);
            add(status, BorderLayout.SOUTH);
            pack();
            setLocation(offset, offset);
            setVisible(true);
        });
    }

    private void closeLoader() {
        try {
            loader.close();
        } catch (IOException e) {
            System.err.println("Cannot close the applet's class files: " + e);
        }
    }

    private void join() {
        if (closing)
            return;
        remove(placeholder);
        add(applet, BorderLayout.CENTER);
        validate();
    }

    private void showOutcome(Lifecycle.Outcome outcome) {
        if (outcome == Lifecycle.Outcome.FAILED) {
            active = false;
            Throwable e = lifecycle.failure();
            e.printStackTrace();
            onEventThread(() -> status.setText("Applet not started: " + e));
        } else if (outcome == Lifecycle.Outcome.TIMED_OUT) {
            String text = "The applet's init or start has not returned after " + Lifecycle.LIMIT
                          + " ms; its window can still be closed.";
            System.err.println(tag.className() + ": " + text);
            onEventThread(() -> status.setText(text));
        } else {
            onEventThread(() -> {
                if (status.getText().isEmpty())
                    status.setText("Applet started.");
            });
        }
    }

    private static void onEventThread(Runnable task) {
        try {
            EventQueue.invokeAndWait(task);
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
        } catch (InvocationTargetException e) {
            e.getCause().printStackTrace();
        }
    }

    /** Closes the window at once; the applet is stopped and destroyed behind it. */
    void close() {
        Thread closer = new Thread(this::shutDown, "close " + tag.className());
        closer.setDaemon(true);
        closer.start();
    }

    /** Stops and destroys the applet, each within the limit, then ends the window. */
    void shutDown() {
        synchronized (this) {
            if (closing)
                return;
            closing = true;
        }
        onEventThread(() -> setVisible(false));
        if (initialised) {
            Lifecycle.Outcome ended = lifecycle.run(() -> {
                if (active) {
                    active = false;
                    applet.stop();
                }
                applet.destroy();
            });
            if (ended == Lifecycle.Outcome.FAILED)
                lifecycle.failure().printStackTrace();
        }
        lifecycle.end();
        if (loader != null)
            closeLoader();
        onEventThread(() -> {
            dispose();
            page.closed(this);
        });
    }

    Applet applet() { return applet; }

    String name() { return tag.name; }

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
        Dimension screen = Toolkit.getDefaultToolkit().getScreenSize();
        applet.setPreferredSize(
            new Dimension(Math.min(width, screen.width), Math.min(height, screen.height)));
        EventQueue.invokeLater(this::pack);
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
