package java.applet;

import java.awt.Dimension;
import java.awt.GraphicsEnvironment;
import java.awt.HeadlessException;
import java.awt.IllegalComponentStateException;
import java.awt.Image;
import java.awt.Panel;
import java.net.MalformedURLException;
import java.net.URL;
import java.util.Locale;
import javax.accessibility.AccessibleContext;
import javax.accessibility.AccessibleRole;
import javax.accessibility.AccessibleState;
import javax.accessibility.AccessibleStateSet;

/**
 * A panel that a page shows: the program showing it gives it a stub, through which it reads its
 * parameters and addresses and reaches its context. The program calls init once, then start and
 * stop as the applet is shown and hidden, and destroy at the end.
 */
public class Applet extends Panel {
    private static final long serialVersionUID = -5836846270535785031L;

    private transient AppletStub stub;

    /** A new applet; there is none without a display. */
    public Applet() throws HeadlessException {
        if (GraphicsEnvironment.isHeadless())
            throw new HeadlessException();
    }

    /** Called by the program showing the applet, once, before init. */
    public final void setStub(AppletStub stub) { this.stub = stub; }

    public boolean isActive() { return stub != null && stub.isActive(); }

    public URL getDocumentBase() { return stub == null ? null : stub.getDocumentBase(); }

    public URL getCodeBase() { return stub == null ? null : stub.getCodeBase(); }

    public String getParameter(String name) {
        return stub == null ? null : stub.getParameter(name);
    }

    public AppletContext getAppletContext() {
        return stub == null ? null : stub.getAppletContext();
    }

    /** Asks for a new size; the program showing the applet is told. */
    @SuppressWarnings("deprecation")
    @Override
    public void resize(int width, int height) {
        Dimension size = getSize();
        if (size.width != width || size.height != height) {
            super.resize(width, height);
            if (stub != null)
                stub.appletResize(width, height);
        }
    }

    @SuppressWarnings("deprecation")
    @Override
    public void resize(Dimension size) {
        resize(size.width, size.height);
    }

    /** An applet lays itself out; changes inside it need go no further up. */
    @Override
    public boolean isValidateRoot() {
        return true;
    }

    public void showStatus(String message) {
        AppletContext context = getAppletContext();
        if (context != null)
            context.showStatus(message);
    }

    public Image getImage(URL url) {
        AppletContext context = getAppletContext();
        return context == null ? null : context.getImage(url);
    }

    public Image getImage(URL url, String name) {
        URL address = resolve(url, name);
        return address == null ? null : getImage(address);
    }

    /** A sound that plays without an applet context, from anywhere in a program. */
    public static final AudioClip newAudioClip(URL url) { return new SoundClip(url); }

    public AudioClip getAudioClip(URL url) {
        AppletContext context = getAppletContext();
        return context == null ? null : context.getAudioClip(url);
    }

    public AudioClip getAudioClip(URL url, String name) {
        URL address = resolve(url, name);
        return address == null ? null : getAudioClip(address);
    }

    /** The applet's author, version and copyright; null unless an applet says. */
    public String getAppletInfo() { return null; }

    /** The applet's locale, or the program's when none was set. */
    @Override
    public Locale getLocale() {
        try {
            return super.getLocale();
        } catch (IllegalComponentStateException e) {
            return Locale.getDefault();
        }
    }

    /** Each parameter the applet reads: name, kind and description; null unless an applet says. */
    public String[][] getParameterInfo() { return null; }

    public void play(URL url) {
        AudioClip clip = getAudioClip(url);
        if (clip != null)
            clip.play();
    }

    public void play(URL url, String name) {
        URL address = resolve(url, name);
        if (address != null)
            play(address);
    }

    public void init() {}

    public void start() {}

    public void stop() {}

    public void destroy() {}

    @Override
    public AccessibleContext getAccessibleContext() {
        if (accessibleContext == null)
            accessibleContext = new AccessibleApplet();
        return accessibleContext;
    }

    private static URL resolve(URL base, String name) {
        try {
            return new URL(base, name);
        } catch (MalformedURLException e) {
            return null;
        }
    }

    /** Tells assistive technology that an applet is a frame of its own, active while shown. */
    protected class AccessibleApplet extends AccessibleAWTPanel {
        private static final long serialVersionUID = 8127374778187708896L;

        protected AccessibleApplet() {}

        @Override
        public AccessibleRole getAccessibleRole() {
            return AccessibleRole.FRAME;
        }

        @Override
        public AccessibleStateSet getAccessibleStateSet() {
            AccessibleStateSet states = super.getAccessibleStateSet();
            states.add(AccessibleState.ACTIVE);
            return states;
        }
    }
}
